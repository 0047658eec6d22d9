#pragma once

#include <QString>
#include <QVariant>

#include <memory>

namespace qv::platform {

/// An object of the item plug-in, called late-bound by method name. Arguments passed by
/// reference come back changed in `args`.
class PluginObject {
public:
    virtual ~PluginObject() = default;
    /// Calls `method`; an invalid variant when it has no result.
    virtual QVariant call(const QString& method, QVariantList& args) = 0;
};

/// Loads the item plug-in, a component outside this program.
class PluginHost {
public:
    virtual ~PluginHost() = default;
    /// Registers the component at `path` and creates the object `progId`; null when there is no
    /// such component.
    virtual std::shared_ptr<PluginObject> create(const QString& path, const QString& progId) = 0;
};

} // namespace qv::platform
