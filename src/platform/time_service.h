#pragma once

#include <QDateTime>

#include <cstdint>
#include <functional>

namespace qv::platform {

/// Clocks, timers and the event queue of the one UI thread.
///
/// Every handler runs on the UI thread. `wait` keeps delivering timers and posted events while it
/// waits and may be entered again from a handler it runs; `sleep` blocks and delivers nothing.
class TimeService {
public:
    using TimerId = int;
    using Handler = std::function<void()>;

    virtual ~TimeService() = default;

    /// Milliseconds since start-up as the 32-bit tick that wraps after about 49.7 days.
    [[nodiscard]] virtual std::uint32_t tickMs() const = 0;
    /// Milliseconds on a clock that never wraps or jumps; waits measure with it.
    [[nodiscard]] virtual std::int64_t monotonicMs() const = 0;
    /// Seconds since local midnight with their fraction; starts again at 0 every midnight.
    [[nodiscard]] virtual double secondsSinceMidnight() const = 0;
    [[nodiscard]] virtual QDateTime localDateTime() const = 0;

    /// Starts a repeating timer; its handler runs every `intervalMs` (at least 1) until
    /// `stopTimer`. A timer does not fire again while its own handler is still running.
    virtual TimerId startTimer(int intervalMs, Handler handler) = 0;
    /// Stops a timer; unknown or stopped ids are ignored.
    virtual void stopTimer(TimerId id) = 0;
    /// Queues a handler to run once on the UI thread after the current one returns.
    virtual void post(Handler event) = 0;

    /// Delivers what is due now (the runtime's DoEvents).
    virtual void processEvents() = 0;
    /// Waits `ms` milliseconds while delivering timers and posted events; 0 or less delivers
    /// what is due once.
    virtual void wait(int ms) = 0;
    /// Blocks for `ms` milliseconds without delivering anything.
    virtual void sleep(int ms) = 0;
};

} // namespace qv::platform
