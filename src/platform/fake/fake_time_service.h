#pragma once

#include "platform/time_service.h"

#include <cstdint>
#include <deque>
#include <map>

namespace qv::platform::fake {

/// Time and events in virtual time: nothing happens until a test advances the clock, and a wait
/// of any length returns as soon as the timers due inside it have run.
///
/// Timers fire in deadline order (start order among equal deadlines); a timer whose handler is
/// still running does not fire again inside it, as on the real event loop. Posted events are
/// delivered before the next timer.
class FakeTimeService final : public TimeService {
public:
    struct Start {
        /// The 32-bit tick at virtual time 0, so a test can start just before the wrap.
        std::uint32_t tickMs = 0;
        /// The local date and time at virtual time 0, so a test can start just before midnight.
        QDateTime local = QDateTime(QDate(2026, 1, 1), QTime(12, 0));
    };

    FakeTimeService() : FakeTimeService(Start{}) {}
    explicit FakeTimeService(Start start);

    [[nodiscard]] std::uint32_t tickMs() const override;
    [[nodiscard]] std::int64_t monotonicMs() const override { return nowMs_; }
    [[nodiscard]] double secondsSinceMidnight() const override;
    [[nodiscard]] QDateTime localDateTime() const override;

    TimerId startTimer(int intervalMs, Handler handler) override;
    void stopTimer(TimerId id) override;
    void post(Handler event) override;

    void processEvents() override;
    void wait(int ms) override;
    /// Moves the clock on without delivering anything.
    void sleep(int ms) override;

    /// Moves virtual time on by `ms`, firing every timer that falls due and delivering posted
    /// events on the way.
    void advance(std::int64_t ms);
    /// Stops all delivery for good: the program has ended. Waits still move the clock.
    void halt() { halted_ = true; }
    [[nodiscard]] bool halted() const { return halted_; }

    [[nodiscard]] bool timerActive(TimerId id) const { return timers_.contains(id); }
    [[nodiscard]] std::size_t activeTimers() const { return timers_.size(); }
    [[nodiscard]] std::size_t pendingEvents() const { return posted_.size(); }

private:
    struct Timer {
        int intervalMs;
        std::int64_t deadlineMs;
        Handler handler;
        bool running = false;
    };

    void advanceTo(std::int64_t targetMs);
    void deliverPosted();
    /// The timer to fire next at or before `limitMs`, or 0 when none is due.
    [[nodiscard]] TimerId nextDue(std::int64_t limitMs) const;
    void fire(TimerId id);

    Start start_;
    std::int64_t nowMs_ = 0;
    TimerId lastId_ = 0;
    std::map<TimerId, Timer> timers_;
    std::deque<Handler> posted_;
    bool halted_ = false;
};

} // namespace qv::platform::fake
