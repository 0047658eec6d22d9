#pragma once

#include "platform/item_plugin.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace qv::plugin {

/// The item plug-in's state.
struct PluginState {
    /// 0 not tried, -1 off for good, 1 loaded, 2 loaded with chests.
    int Prop_GameDllState = 0;
    /// The plug-in's object; every call to it may throw `forms::RuntimeError` when the plug-in
    /// breaks its contract.
    std::shared_ptr<platform::ItemPlugin> Prop_GameDll;
    bool Prop_ScoreWanted = false;
    QString Prop_UserName;
    QString Prop_UserCode;
    int Prop_swicth = 0;
    /// Command-line field 15, the last argument of `Initdll`.
    int Prop_InitArg = 0;
    /// The pump asks the plug-in for its actions and serves the held sheet.
    bool Prop_PumpOn = false;
    /// The last action fetched.
    std::vector<std::uint8_t> Prop_MsgPic;
    QString Prop_MsgText;
    std::vector<std::uint8_t> Prop_MsgFrame;
    std::vector<std::int32_t> Prop_MsgRect;
    std::vector<std::int32_t> Prop_MsgAttr;
    /// A timed tip shows: ticks counted of the ticks it stays.
    bool Prop_TipOn = false;
    int Prop_TipCount = 0;
    int Prop_TipRepeats = 0;
    /// The hand's settlement sheet is still to be shown.
    bool Prop_ShowNext = false;
    /// When the sheet began to wait for the plug-in's result (time service milliseconds).
    std::uint32_t Prop_ShowNextSince = 0;
    /// The plug-in's result of the hand, per screen seat.
    std::array<QString, 4> Prop_ScoreItems;
    std::array<double, 4> Prop_ScoreGold{};
    /// (t, s): text 0 the name shown, text 1 the items of screen seat s.
    std::array<std::array<QString, 4>, 2> Prop_ScoreTexts;
    platform::ChestLayout chests;
    /// The chest show: per screen seat the chest image chosen (-1 none), the player's click, the
    /// countdown, the opening steps.
    std::array<int, 4> Prop_BaoChs{-1, -1, -1, -1};
    bool Prop_BaoChosen = false;
    bool Prop_BaoTimer = false;
    int Prop_BaoTicks = 0;
    int Prop_BaoSeconds = 0;
    bool Prop_AnimOn = false;
    int Prop_AnimStep = 0;
    int Prop_AnimSteps = 0;
    std::array<QString, 4> Prop_SeatNames;
    /// The chest show runs, from its start until its open chests head for their seats.
    bool ChestShowOn = false;
    QStringList Prop_ItemList;
    /// Kept between the steps of one opening show: per seat the gold added each step and shown so
    /// far, the widest name and the digits of the largest gold.
    std::array<float, 4> GoldStep{};
    std::array<double, 4> GoldShown{};
    int NameWidth = 0;
    int GoldDigits = 0;
    /// VIP badge animation: running flag, per relative seat the frame (1 to 4) and the pump
    /// ticks since the frame last changed.
    bool g_bVipAnim = false;
    std::array<int, 4> VipAnimFrame{};
    std::array<int, 4> VipAnimTicks{};

    [[nodiscard]] bool loaded() const { return Prop_GameDllState > 0 && Prop_GameDll; }

    friend bool operator==(const PluginState&, const PluginState&) = default;
};

/// Hands a server message to the loaded plug-in (`Rec_MSG`); nothing without one.
void RelayToPlugin(PluginState& plugin, const QByteArray& message);
/// Tells the loaded plug-in whether the connection is up (`rec_state` 3).
void TellConnectionState(PluginState& plugin, bool up);
/// The second result message with the plug-in loaded: the sheet waits for the plug-in's show,
/// which is told to start. `now` is the time service's millisecond tick.
void HoldSheetForPlugin(PluginState& plugin, std::uint32_t now);

/// What others ask of the item plug-in's bridge.
class PropPlugin {
public:
    virtual ~PropPlugin() = default;
    /// Loads the plug-in where it is allowed and not yet tried; false when it is not loaded.
    virtual bool InitGameDll() = 0;
    /// A new hand: the chests and the label go, and the plug-in hears of the hand.
    virtual void ClearProps() = 0;
    /// Closes the plug-in (mode 0 leaving the table, 1 at shut-down); the object stays.
    virtual void ExitPropPlugin(int mode) = 0;
};

} // namespace qv::plugin
