#pragma once

#include <exception>

namespace qv::controls {

/// Runs a host's event handler whose errors the control ignores, going on with its own work.
template <class Raise>
void ignoringHostErrors(Raise&& raise) {
    try {
        raise();
    } catch (const std::exception&) {
        // The control's own reaction follows regardless.
    }
}

} // namespace qv::controls
