#pragma once

#include "connection/command_line.h"
#include "connection/game_message.h"
#include "connection/message_ring.h"
#include "connection/player_detail.h"

#include <QString>

#include <array>
#include <cstdint>

namespace qv::connection {

/// The pump's ten soft-timer slots: 0 send, 1 receive, 2 login, 3 chat-button blink,
/// 5 connection check, 6 turn countdown, 7 ready countdown; 4, 8 and 9 are never armed.
struct BongSlots {
    std::array<bool, 10> BongFlag{};
    std::array<int, 10> BongCount{};

    void arm(int slot) {
        BongFlag.at(static_cast<std::size_t>(slot)) = true;
        BongCount.at(static_cast<std::size_t>(slot)) = 0;
    }
    void disarm(int slot) {
        BongFlag.at(static_cast<std::size_t>(slot)) = false;
        BongCount.at(static_cast<std::size_t>(slot)) = 0;
    }
    void disarmAll() {
        BongFlag.fill(false);
        BongCount.fill(0);
    }

    friend bool operator==(const BongSlots&, const BongSlots&) = default;
};

inline constexpr int kSendSlot = 0;
inline constexpr int kReceiveSlot = 1;
inline constexpr int kLoginSlot = 2;
inline constexpr int kBlinkSlot = 3;
inline constexpr int kCheckSlot = 5;
inline constexpr int kTurnSlot = 6;
inline constexpr int kReadySlot = 7;

/// The connection's own state: rings, pump, login, the lobby's command line, the flags of the
/// connection and seating, and the countdowns. Plain values, so a copy is a snapshot.
struct ConnectionState {
    MessageRing RecvRing;
    MessageRing SendRing;
    ProxyReplyRing proxyReplies;
    GameMessage RecvFrame;
    std::array<std::uint8_t, 2> CurSeqNum{};
    std::uint8_t TurnToken = 0;

    LobbyCommandLine commandLine;
    /// The lobby window's title: the command line's in the lobby's alternate mode.
    QString LobbyTitle;
    GameMessage LoginBuffer;
    /// The reconnect request (command 28), built from the login by each reconnect attempt.
    GameMessage ReconnectBuffer;
    /// The connection being made belongs to a reconnect attempt: once up, it carries the
    /// reconnect request instead of the login. A connect from the start-up or the lobby clears it.
    bool reconnecting = false;
    /// The proxy exchange's stage (`kSocksGreeting` ... `kSocksConnectReply`).
    std::uint8_t SocksStage = 0;

    BongSlots slots;
    int SilenceCount = 0;

    bool g_bGameData = false;
    bool g_bLoginPending = false;
    bool g_bLoggedIn = false;
    bool g_bInGame = false;
    bool g_bHoldLeft = false;
    bool g_bTableReset = false;
    bool g_bReconnected = false;
    bool g_bTimeLimit = false;
    bool g_bLeftTable = false;
    /// A purchase waits for the hand's result; with it the cigarette order placed during a hand.
    bool g_bBuyDeferred = false;
    bool PendingSmokeOrder = false;
    int PendingSmokeNum = 0;
    int g_bFirstDealDone = 0;
    /// A proxy exchange is under way, from its connect to its success or failure; the lobby's
    /// 0x16 and the reconnect attempts wait for it.
    bool connecting = false;
    /// `LobbyWndProc` gets the lobby's messages (the table window is subclassed).
    bool subclassed = false;

    bool HeldCmd45AArmed = false;
    bool HeldCmd45BArmed = false;
    GameMessage HeldCmd45A;
    GameMessage HeldCmd45B;

    // Seating and the hand.
    /// Players seated: +1 per seating message, -1 per cleared seat; 4 is a full table.
    int SeatedCount = 0;
    /// Seating messages since the last player-state clear; the voices go out at the third.
    int SeatMsgCount = 0;
    /// The wealth multiple of the last seating or table-state message.
    std::int32_t WealthMultiple = 0;
    std::array<bool, 4> ManVoiceTaken{};
    std::array<bool, 4> WomanVoiceTaken{};
    bool g_bLeaveOnStart = false;
    bool g_bRandomSeats = false;
    bool g_bSeatChangeArmed = false;
    bool g_bSeatChangeShown = false;
    QString RoundNote;
    /// The accounts of relative seats 1 to 3 as they sat when the hand began.
    std::array<QString, 3> RoundPlayerNames;
    /// Kept as its four bytes: the reconnect request sends them back.
    std::uint32_t threadIndex = 0;
    /// The result message that comes next: 0 the first of the two.
    int ResultPart = 0;
    /// What the server told about the player at each display seat.
    std::array<PlayerDetail, 4> Detail;
    /// Per display seat what the settlement shows: the nickname and the head picture index.
    struct SheetSeat {
        QString name;
        QString PicIndex;
        friend bool operator==(const SheetSeat&, const SheetSeat&) = default;
    };
    std::array<SheetSeat, 4> SheetSeats;
    /// The wealth multiple's caption as the hand began.
    QString WealthOddsText;
    /// 0 no result pending, 1 the plug-in's end display runs before the sheet, 2 sheet shown.
    int ResultStage = 0;
    /// Closing the item plug-in waits for the settlement sheet.
    bool g_bPropExitDeferred = false;

    int AutoPlayAfter = 0;
    QString BannerUrl;
    QString ShufflePageUrl;

    // Countdowns and the reconnect.
    int CountDownStart = 0;
    int g_CallTicks = 0;
    int TurnTime = 15;
    int CountDown = 0;
    /// The countdown running is the player's own (he acts at zero).
    bool g_bOwnCountdown = false;
    /// The player's own turn time-outs in a row while automatic play is off.
    int TimeoutCount = 0;
    /// Seconds since midnight of the last step of the turn and of the ready countdown.
    double TurnStepTime = 0;
    double ReadyStepTime = 0;
    /// Play-made messages of the hand.
    int g_TurnCount = 0;
    /// The reconnect window's start delay in its 1 ms ticks, and the attempts made since it loaded.
    int ReconnectTime = 0;
    int ReconnectCount = 0;

    /// The message that goes out once the connection is up: the reconnect request during a
    /// reconnect, the login otherwise.
    [[nodiscard]] GameMessage& loginToSend() {
        return reconnecting ? ReconnectBuffer : LoginBuffer;
    }

    friend bool operator==(const ConnectionState&, const ConnectionState&) = default;
};

} // namespace qv::connection
