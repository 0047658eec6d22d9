#pragma once

#include "platform/item_plugin.h"

#include <memory>

namespace qv::plugin {

/// The plug-in as this program calls it: an exception that leaves one of its methods, against
/// its contract, comes out as the run-time error `forms::RuntimeError`.
std::shared_ptr<platform::ItemPlugin> GuardPlugin(std::shared_ptr<platform::ItemPlugin> object);

} // namespace qv::plugin
