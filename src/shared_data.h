#pragma once

#include "platform/plugin_host.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

namespace qv {

/// One seat's record; seat 0 is the player.
struct PlayerInfo {
    /// The seated player's account.
    QString name;
    /// The seat as the bit 1, 2, 4 or 8; 0 until the first seating message.
    std::uint8_t seat = 0;
};

/// The game's shared data module: flags, counters and per-seat values that several subsystems
/// read and write. Names are the game's own.
struct SharedData {
    /// Layout scale, 1.0 or 0.78125, set once at start-up before any layout.
    float ScaleX = 1.0F;
    float ScaleY = 1.0F;

    /// Per-seat wealth multiple of the table, 0 for none; written when players take their seats.
    std::array<std::int32_t, 4> SeatWealth{};

    std::array<PlayerInfo, 4> custom;

    // Table window flags.
    bool g_bBossKey = false;
    bool g_bHiddenPlay = false;
    bool g_bCountdownAnim = false;

    // Countdowns.
    int CountDownStart = 0;
    int g_CallTicks = 0;

    // Chat and the item plug-in.
    /// The text of the next outgoing chat message; sending it empties it.
    QString ChatSendText;
    bool ChatReady = true;
    int TalkBlinkCount = 0;
    /// The item plug-in: 0 not tried, -1 off for good, 1 loaded, 2 loaded with chests.
    int Prop_GameDllState = 0;
    std::shared_ptr<platform::PluginObject> Prop_GameDll;
    bool Prop_ScoreWanted = false;
    QString Prop_UserName;
    QString Prop_UserCode;
    int Prop_swicth = 0;
    int Prop_InitArg = 0;

    // Tournaments and settlement.
    int G_MatchType = 0;
    bool g_bLeftTable = false;
    int juNum = 0;
    int ownPKValue = -1;
};

} // namespace qv
