#include "platform/fake/fake_plugin_host.h"

namespace qv::platform::fake {

QVariant FakePluginObject::call(const QString& method, QVariantList& args) {
    calls_.push_back({method, args});
    return answer_ ? answer_(method, args) : QVariant();
}

std::vector<FakePluginObject::Call> FakePluginObject::callsOf(const QString& method) const {
    std::vector<Call> found;
    for (const auto& c : calls_) {
        if (c.method == method) {
            found.push_back(c);
        }
    }
    return found;
}

std::shared_ptr<PluginObject> FakePluginHost::create(const QString& path, const QString& progId) {
    created_.append(path + u'|' + progId);
    return object_;
}

} // namespace qv::platform::fake
