#pragma once

#include "connection/command_line.h"
#include "connection/game_message.h"
#include "connection/message_ring.h"

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
    int g_bFirstDealDone = 0;
    /// A connect that waits (the proxy connect) is under way; the lobby's 0x16 is ignored then.
    bool connecting = false;
    /// `LobbyWndProc` gets the lobby's messages (the table window is subclassed).
    bool subclassed = false;

    bool HeldCmd45AArmed = false;
    bool HeldCmd45BArmed = false;
    GameMessage HeldCmd45A;
    GameMessage HeldCmd45B;

    int AutoPlayAfter = 0;
    QString BannerUrl;
    QString ShufflePageUrl;

    // Countdowns.
    int CountDownStart = 0;
    int g_CallTicks = 0;

    friend bool operator==(const ConnectionState&, const ConnectionState&) = default;
};

} // namespace qv::connection
