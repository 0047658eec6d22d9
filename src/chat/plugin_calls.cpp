#include "chat/plugin_calls.h"

namespace qv::chat {

void SetKeyDown(plugin::PluginState& plugin, int keyCode) {
    if (!plugin.loaded()) {
        return;
    }
    plugin.Prop_GameDll->SetKeyDown(static_cast<std::int16_t>(keyCode));
}

bool ShowVmVideo(plugin::PluginState& plugin, int seat, bool show) {
    if (!plugin.loaded()) {
        return false;
    }
    return plugin.Prop_GameDll->ShowVmVideo(static_cast<std::int16_t>(seat), show, 0);
}

void rec_state(plugin::PluginState& plugin, int kind, bool on, int seat) {
    if (!plugin.loaded()) {
        return;
    }
    plugin.Prop_GameDll->rec_state(static_cast<std::int16_t>(kind), on,
                                   static_cast<std::int16_t>(seat));
}

} // namespace qv::chat
