#include "platform/fake/fake_plugin_host.h"

namespace qv::platform::fake {

PluginLoad FakePluginHost::create(const QString& path) {
    created.append(path);
    if (outcome != PluginLoad::Outcome::Created) {
        return {.outcome = outcome, .object = nullptr};
    }
    return {.outcome = outcome, .object = object};
}

} // namespace qv::platform::fake
