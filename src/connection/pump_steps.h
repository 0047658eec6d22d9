#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

namespace qv::connection {

/// Where in the pump's tick the steps of other subsystems run; `TimerBong_Timer` pins the order.
enum class PumpStep : std::size_t {
    /// `MatchTimerTick` and the prize, jade and emoticon steps, before the slots.
    Panels,
    /// The call, turn and ready countdowns, after the chat-button blink.
    Countdowns,
    /// The plug-in block, the big-emoticon time-out and the VIP badge animation, last.
    Plugin,
};

/// The pump steps the subsystems register when the client is assembled, run in registration
/// order within their place.
class PumpSteps {
public:
    void on(PumpStep where, std::function<void()> step) {
        steps_[static_cast<std::size_t>(where)].push_back(std::move(step));
    }
    void run(PumpStep where) const {
        for (const auto& step : steps_[static_cast<std::size_t>(where)]) {
            step();
        }
    }

private:
    std::array<std::vector<std::function<void()>>, 3> steps_;
};

} // namespace qv::connection
