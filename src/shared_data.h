#pragma once

#include "connection/player_detail.h"
#include "hand/player_info.h"
#include "platform/plugin_host.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

namespace qv {

/// The game's shared data module: flags, counters and per-seat values that several subsystems
/// read and write. Names are the game's own.
struct SharedData {
    /// Layout scale, 1.0 or 0.78125, set once at start-up before any layout.
    float ScaleX = 1.0F;
    float ScaleY = 1.0F;

    /// Per-seat wealth multiple of the table, 0 for none; written when players take their seats.
    std::array<std::int32_t, 4> SeatWealth{};

    /// The seats' records, by display seat (0 the player).
    std::array<hand::PlayerInfo, 4> custom;
    /// What the server told about the player at each display seat.
    std::array<connection::PlayerDetail, 4> Detail;

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

    /// Table buttons `AnNiu(0..8)`: click lock (only element 2, the start button, is tested)
    /// and whether the button shows its hover picture.
    std::array<bool, 9> AnNiuLocked{};
    std::array<bool, 9> AnNiuHover{};
    /// Hover state of the play controls `Operation(0..4)` (element 5 unused).
    std::array<bool, 6> OperationHover{};

    /// Design sizes of the face-down hands of seats 1, 2, 3: four (width, height) pairs each.
    std::array<int, 8> HandBackSize1{};
    std::array<int, 8> HandBackSize2{};
    std::array<int, 8> HandBackSize3{};

    /// VIP badge animation: running flag, per relative seat the frame (1 to 4) and the pump
    /// ticks since the frame last changed.
    bool g_bVipAnim = false;
    std::array<int, 4> VipAnimFrame{};
    std::array<int, 4> VipAnimTicks{};

    /// Per display seat what the settlement shows: the nickname and the head picture index.
    struct SheetSeat {
        QString name;
        QString PicIndex;
    };
    std::array<SheetSeat, 4> SheetSeats;
    /// The wealth multiple's caption as the hand began.
    QString WealthOddsText;
    /// 0 no result pending, 1 the plug-in's end display runs before the sheet, 2 sheet shown.
    int ResultStage = 0;
    /// Closing the item plug-in waits for the settlement sheet.
    bool g_bPropExitDeferred = false;

    /// The wave file the table's sound players are about to play.
    QString g_WavFile;

    /// The item plug-in's end-of-hand display state.
    int Prop_EndShowState = 0;
    int Prop_ClosedInShow = 0;

    /// Room base and direction until the server sends the tournament room's own.
    double RoomBase = 0.0;
    int RoomDirection = 0;
};

} // namespace qv
