#pragma once

#include "plugin/plugin.h"
#include "plugin/plugin_context.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace qv::forms {
class Control;
}

namespace qv::plugin {

/// The bridge to the item plug-in: loads it where a table allows it, closes it, and clears its
/// pictures between hands. `onTable` is the table window's context, null while there is none.
class ModProp final : public PropPlugin {
public:
    ModProp(PluginState& plugin, connection::Connection& conn, platform::Services& services,
            std::function<PluginContext*()> onTable);

    bool InitGameDll() override;
    void ClearProps() override;
    void ExitPropPlugin(int mode) override;

private:
    /// Loads and starts the plug-in's object; false leaves the state as it then is.
    bool startPlugin(PluginContext* ctx);

    PluginState& plugin_;
    connection::Connection& conn_;
    platform::Services& services_;
    std::function<PluginContext*()> onTable_;
};

/// The path of the plug-in's library in the program's folder `appFolder`.
QString PluginLibraryPath(const QString& appFolder);

void HideAndDisable(forms::Control& control);
/// The held sheet comes; a plug-in still loaded hears that it did.
void ShowHeldSheet(PluginContext& ctx);
/// The pump's plug-in step: the plug-in's actions, the held sheet, the chest countdown.
void PollPropPlugin(PluginContext& ctx);
/// Shows a tip on `LbProp`; a timed one goes after its ticks of `TimerProp`.
void ShowPropTip(PluginContext& ctx, const QString& text, const std::vector<std::int32_t>& rect,
                 const std::vector<std::int32_t>& attr);
void TimerProp_Timer(PluginContext& ctx);
/// A text of the plug-in: whole into the chat log, its start into the system lines.
void AddPropMessage(PluginContext& ctx, const QString& text);
/// 2 for each double-byte character of the system code page, 1 for any other.
int TextWidthUnits(const QString& text);
/// The whole number an action text starts with, rounded half to even; none outside 16 bits.
std::optional<std::int16_t> LeadingInteger(const QString& text);
/// The VIP badges' frames, every 10 ticks.
void AnimateVipBadges(PluginContext& ctx);

} // namespace qv::plugin
