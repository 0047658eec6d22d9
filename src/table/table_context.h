#pragma once

namespace qv::platform {
struct Services;
}
namespace qv::common {
struct ImageResource;
}
namespace qv::plugin {
struct PluginState;
}
namespace qv::match {
struct MatchState;
}

namespace qv::table {

struct TableState;

/// What the table window works with: the services, the picture-id tables, its own state, and
/// the state of the subsystems whose start values its layout puts.
struct TableContext {
    platform::Services& services;
    common::ImageResource& imageRes;
    TableState& state;
    plugin::PluginState& plugin;
    match::MatchState& match;
};

} // namespace qv::table
