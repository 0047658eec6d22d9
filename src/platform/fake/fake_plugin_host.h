#pragma once

#include "platform/fake/recording_plugin.h"
#include "platform/plugin_host.h"

#include <QStringList>

namespace qv::platform::fake {

/// Serves the recording plug-in as if its library were installed, or answers as a missing or
/// broken library would.
class FakePluginHost final : public PluginHost {
public:
    PluginLoad create(const QString& path) override;

    PluginLoad::Outcome outcome = PluginLoad::Outcome::Missing;
    /// The object handed out when the outcome is `Created`.
    std::shared_ptr<RecordingPlugin> object = std::make_shared<RecordingPlugin>();
    /// The paths asked for, in order.
    QStringList created;
};

} // namespace qv::platform::fake
