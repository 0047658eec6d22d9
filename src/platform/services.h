#pragma once

#include "platform/time_service.h"

namespace qv::platform {

/// The operating-system services the client uses; production wires the Qt implementations,
/// tests the fakes.
struct Services {
    TimeService& time;
};

} // namespace qv::platform
