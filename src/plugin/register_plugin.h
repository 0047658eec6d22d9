#pragma once

#include "connection/connection.h"
#include "plugin/plugin_context.h"

#include <functional>

namespace qv::table {
class MainForm;
}

namespace qv::plugin {

/// The bridge on the table window as it is now; null while there is none.
using PluginOnTable = std::function<PluginContext*()>;

/// Wires the chests' clicks, `TimerProp` and the plug-in's part of a restore of a new table
/// window.
void WirePluginControls(table::MainForm& form, const PluginOnTable& onTable);
/// The pump's plug-in step, which runs before the other steps of its place.
void RegisterPluginStep(connection::Connection& conn, const PluginOnTable& onTable);
/// The VIP badges' step, which runs after the other steps of its place.
void RegisterBadgeStep(connection::Connection& conn, const PluginOnTable& onTable);

} // namespace qv::plugin
