#pragma once

#include "platform/plugin_host.h"

namespace qv::platform::qt {

/// Loads the item plug-in's shared library and makes its object through the library's
/// `ostrel_brivet_create` and `ostrel_brivet_destroy`.
class QtPluginHost final : public PluginHost {
public:
    PluginLoad create(const QString& path) override;
};

} // namespace qv::platform::qt
