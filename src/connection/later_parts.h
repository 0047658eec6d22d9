#pragma once

#include "connection/game_message.h"

namespace qv {
class Client;
}

namespace qv::connection {

/// The procedures of later parts of the client that the connection core calls: the message
/// branches it routes to, the ways out of the table, the proxy connect, and the pump's steps for
/// countdowns, panels and the item plug-in. `LeastLaterParts` does the least each must until the
/// part itself is there; tests put a mock in its place to see the calls.
class LaterParts {
public:
    virtual ~LaterParts() = default;

    // Message branches (commands 1, 2, 6, 9, 16, 19, 20, 21, 22, 23, 29, 47, 72 to 99).
    virtual void onRoundStart(Client& client, GameMessage& message) = 0;
    virtual void onCallCard(Client& client, GameMessage& message) = 0;
    virtual void onPlayMade(Client& client, GameMessage& message) = 0;
    virtual void onResult(Client& client, GameMessage& message) = 0;
    virtual void onTableState(Client& client, GameMessage& message) = 0;
    virtual void onChat(Client& client, GameMessage& message) = 0;
    virtual void onPlayerSeated(Client& client, GameMessage& message) = 0;
    virtual void onPlayerLeft(Client& client, GameMessage& message) = 0;
    virtual void onKicked(Client& client, GameMessage& message) = 0;
    virtual void onPlayerReady(Client& client, GameMessage& message) = 0;
    virtual void onReconnectReply(Client& client, GameMessage& message) = 0;
    virtual void MsgDecode_47(Client& client, GameMessage& message) = 0;
    virtual void MsgDecode_Match(Client& client, GameMessage& message) = 0;

    // Leaving the table and resetting it.
    virtual void SendLeaveTable(Client& client) = 0;
    virtual void LeaveTableReset(Client& client) = 0;
    virtual void ClearTableState(Client& client) = 0;
    virtual void ResetTable(Client& client) = 0;
    /// The lost connection during a hand: the hidden reconnect window takes over.
    virtual void startReconnect(Client& client) = 0;

    /// Connects through the SOCKS5 proxy; the login follows from the proxy's replies.
    virtual void ConnectToSock5Server(Client& client) = 0;
    /// The proxy's reply bytes have arrived in the proxy reply ring.
    virtual void OnSocksReply(Client& client) = 0;
    /// Closes the item plug-in (mode 0 leaving the table, 1 at shut-down).
    virtual void ExitPropPlugin(Client& client, int mode) = 0;
    /// Resets the tournament state (`initMatchData`).
    virtual void initMatchData(Client& client) = 0;

    // The pump's steps of other parts, in tick order.
    /// `MatchTimerTick` and the prize, jade and emoticon steps.
    virtual void tickPanels(Client& client) = 0;
    /// The call, turn and ready countdowns.
    virtual void tickCountdowns(Client& client) = 0;
    /// The plug-in block, the big-emoticon time-out and the VIP badge animation.
    virtual void tickPlugin(Client& client) = 0;
};

/// The least each later part must do for the connection to run without it.
class LeastLaterParts final : public LaterParts {
public:
    void onRoundStart(Client&, GameMessage&) override {}
    void onCallCard(Client&, GameMessage&) override {}
    void onPlayMade(Client&, GameMessage&) override {}
    void onResult(Client&, GameMessage&) override {}
    void onTableState(Client&, GameMessage&) override {}
    void onChat(Client&, GameMessage&) override {}
    void onPlayerSeated(Client&, GameMessage&) override {}
    void onPlayerLeft(Client&, GameMessage&) override {}
    void onKicked(Client&, GameMessage&) override {}
    void onPlayerReady(Client&, GameMessage&) override {}
    void onReconnectReply(Client&, GameMessage&) override {}
    void MsgDecode_47(Client&, GameMessage&) override {}
    void MsgDecode_Match(Client&, GameMessage&) override {}
    void SendLeaveTable(Client& client) override;
    void LeaveTableReset(Client& client) override;
    void ClearTableState(Client&) override {}
    void ResetTable(Client&) override {}
    void startReconnect(Client&) override {}
    void ConnectToSock5Server(Client&) override {}
    void OnSocksReply(Client&) override {}
    void ExitPropPlugin(Client& client, int mode) override;
    void initMatchData(Client&) override {}
    void tickPanels(Client&) override {}
    void tickCountdowns(Client&) override {}
    void tickPlugin(Client&) override {}
};

} // namespace qv::connection
