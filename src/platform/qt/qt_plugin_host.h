#pragma once

#include "platform/plugin_host.h"

namespace qv::platform::qt {

/// The item plug-in is a Windows component; on this system there is none to load.
class QtPluginHost final : public PluginHost {
public:
    std::shared_ptr<PluginObject> create(const QString& path, const QString& progId) override;
};

} // namespace qv::platform::qt
