#include "platform/qt/qt_plugin_host.h"

namespace qv::platform::qt {

std::shared_ptr<PluginObject> QtPluginHost::create(const QString& /*path*/,
                                                   const QString& /*progId*/) {
    return nullptr;
}

} // namespace qv::platform::qt
