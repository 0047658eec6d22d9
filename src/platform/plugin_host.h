#pragma once

#include "platform/item_plugin.h"

#include <QString>

#include <memory>

namespace qv::platform {

/// What loading the item plug-in came to.
struct PluginLoad {
    enum class Outcome {
        /// No library at the path.
        Missing,
        /// A library that does not load, lacks the factory or refuses this version.
        Failed,
        Created,
    };
    Outcome outcome = Outcome::Missing;
    /// Set when created; destroying it hands the object back to its library.
    std::shared_ptr<ItemPlugin> object;
};

/// Loads the item plug-in, a library outside this program, and makes its object. A library once
/// loaded stays loaded.
class PluginHost {
public:
    virtual ~PluginHost() = default;
    virtual PluginLoad create(const QString& path) = 0;
};

} // namespace qv::platform
