#include "plugin/plugin.h"

namespace qv::plugin {

void RelayToPlugin(PluginState& plugin, const QByteArray& message) {
    if (plugin.loaded()) {
        plugin.Prop_GameDll->Rec_MSG(std::vector<std::uint8_t>(message.begin(), message.end()));
    }
}

void TellConnectionState(PluginState& plugin, bool up) {
    if (plugin.loaded()) {
        plugin.Prop_GameDll->rec_state(3, up, 0);
    }
}

void HoldSheetForPlugin(PluginState& plugin, std::uint32_t now) {
    plugin.Prop_ShowNext = true;
    plugin.Prop_ShowNextSince = now;
    plugin.Prop_ScoreItems = {};
    plugin.Prop_ScoreGold = {};
    plugin.Prop_ScoreTexts = {};
    plugin.Prop_GameDll->InitShowEnd();
}

} // namespace qv::plugin
