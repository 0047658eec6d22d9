#pragma once

#include "plugin/plugin.h"

namespace qv::chat {

/// Passes a function key (F1 to F6) to the loaded item plug-in; nothing without one.
void SetKeyDown(plugin::PluginState& plugin, int keyCode);
/// Asks the loaded plug-in to show (or hide) a seat's video; false without a plug-in or when
/// it says no.
bool ShowVmVideo(plugin::PluginState& plugin, int seat, bool show);
/// Tells the loaded plug-in about a video state (`rec_state`); nothing without one.
void rec_state(plugin::PluginState& plugin, int kind, bool on, int seat);

} // namespace qv::chat
