#pragma once

#include "platform/plugin_host.h"

#include <QList>

#include <functional>
#include <vector>

namespace qv::platform::fake {

/// A scriptable plug-in object: records every call and answers through `answer`.
class FakePluginObject final : public PluginObject {
public:
    struct Call {
        QString method;
        QVariantList args;
    };
    using Answer = std::function<QVariant(const QString& method, QVariantList& args)>;

    QVariant call(const QString& method, QVariantList& args) override;

    [[nodiscard]] const std::vector<Call>& calls() const { return calls_; }
    /// The calls of one method, in order.
    [[nodiscard]] std::vector<Call> callsOf(const QString& method) const;
    void setAnswer(Answer answer) { answer_ = std::move(answer); }

private:
    std::vector<Call> calls_;
    Answer answer_;
};

/// Hands out `object` when it is set, as if the component were installed.
class FakePluginHost final : public PluginHost {
public:
    std::shared_ptr<PluginObject> create(const QString& path, const QString& progId) override;

    std::shared_ptr<FakePluginObject> object_;
    QStringList created_;
};

} // namespace qv::platform::fake
