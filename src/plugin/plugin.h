#pragma once

#include "platform/plugin_host.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>

namespace qv::plugin {

/// The item plug-in's state.
struct PluginState {
    /// 0 not tried, -1 off for good, 1 loaded, 2 loaded with chests.
    int Prop_GameDllState = 0;
    std::shared_ptr<platform::PluginObject> Prop_GameDll;
    bool Prop_ScoreWanted = false;
    QString Prop_UserName;
    QString Prop_UserCode;
    int Prop_swicth = 0;
    int Prop_InitArg = 0;
    /// The end-of-hand display state.
    int Prop_EndShowState = 0;
    int Prop_ClosedInShow = 0;
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

/// What others ask of the item plug-in.
class PropPlugin {
public:
    virtual ~PropPlugin() = default;
    /// Closes the plug-in (mode 0 leaving the table, 1 at shut-down).
    virtual void ExitPropPlugin(int mode) = 0;
};

/// The least the plug-in does until it is built: a loaded one is told to exit.
class LeastPropPlugin final : public PropPlugin {
public:
    explicit LeastPropPlugin(PluginState& state) : state_(state) {}
    void ExitPropPlugin(int mode) override;

private:
    PluginState& state_;
};

} // namespace qv::plugin
