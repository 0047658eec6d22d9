#pragma once

#include "connection/connection.h"
#include "platform/services.h"
#include "plugin/plugin.h"
#include "table/table_state.h"

#include <functional>

namespace qv::table {
class MainForm;
}

namespace qv::plugin {

/// What the bridge to the item plug-in works with on the table window.
struct PluginContext {
    table::MainForm& form;
    PluginState& plugin;
    connection::Connection& conn;
    table::TableState& table;
    platform::Services& services;
    /// Shows the hand's settlement sheet; it shows a sheet once, whoever asks.
    std::function<void()> showSettlement;
    /// A uniform number in [0, 1).
    std::function<double()> random;
};

} // namespace qv::plugin
