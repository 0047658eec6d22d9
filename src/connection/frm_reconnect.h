#pragma once

#include "connection/game_message.h"
#include "connection/reconnect.h"
#include "connection/service_timer.h"

#include <array>
#include <cstdint>

namespace qv::connection {

class Connection;

/// The reconnect request: the login message with command 28, the sequence bytes of the last
/// server message taken at 260-261 and the hand's table thread at 268-271, lowest byte first.
GameMessage BuildReconnectRequest(const GameMessage& login, std::array<std::uint8_t, 2> seqNum,
                                  std::uint32_t threadIndex);

/// One reconnect attempt: the system list says so, the reconnect request is built, and the
/// socket connects again to the server, directly (the pump's login step sends the request) or
/// through the proxy (its success sends it).
void ReconnectStep(Connection& conn);

/// `frmReconnect`: the window that is loaded but never shown and hosts the two timers of the
/// attempts. Every 500 ms `TimerCount` checks the connection: back, the window goes; else, once
/// the attempt before has failed (or a direct connect has hung for `kAttemptBoundTicks`), the
/// next attempt starts, up to 2001 of them; then the client gives up with its notice.
class FrmReconnect final : public Reconnect {
public:
    static constexpr int kCountIntervalMs = 500;
    static constexpr int kLastAttempt = 2000;
    /// Ticks of `TimerCount` a direct connect may take before it counts as timed out.
    static constexpr int kAttemptBoundTicks = 20;

    explicit FrmReconnect(Connection& conn);

    /// Loads the window, hidden; a window already loaded goes on with its attempts.
    void startReconnect() override;

    void Form_Load();
    void Unload();
    void TimerReconnect_Timer();
    void TimerCount_Timer();

    [[nodiscard]] bool loaded() const { return loaded_; }

    ServiceTimer TimerReconnect;
    ServiceTimer TimerCount;

private:
    [[nodiscard]] bool attemptSucceeded() const;
    void giveUp();

    Connection& conn_;
    bool loaded_ = false;
    int pendingTicks_ = 0;
};

} // namespace qv::connection
