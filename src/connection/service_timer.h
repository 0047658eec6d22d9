#pragma once

#include "platform/time_service.h"

#include <optional>

namespace qv::connection {

/// A window timer: fires its handler every `Interval` ms while `Enabled`. Switching it on again
/// restarts the interval, as the runtime's timer control does.
class ServiceTimer {
public:
    ServiceTimer(platform::TimeService& time, int interval, platform::TimeService::Handler handler)
        : time_(time), interval_(interval), handler_(std::move(handler)) {}
    ~ServiceTimer() { setEnabled(false); }
    ServiceTimer(const ServiceTimer&) = delete;
    ServiceTimer& operator=(const ServiceTimer&) = delete;

    [[nodiscard]] bool Enabled() const { return id_.has_value(); }
    void setEnabled(bool enabled) {
        if (enabled == Enabled()) {
            return;
        }
        if (enabled) {
            id_ = time_.startTimer(interval_, handler_);
        } else {
            time_.stopTimer(*id_);
            id_.reset();
        }
    }
    [[nodiscard]] int Interval() const { return interval_; }
    void setInterval(int interval) {
        if (interval == interval_) {
            return;
        }
        interval_ = interval;
        if (Enabled()) {
            setEnabled(false);
            setEnabled(true);
        }
    }

private:
    platform::TimeService& time_;
    int interval_;
    platform::TimeService::Handler handler_;
    std::optional<platform::TimeService::TimerId> id_;
};

} // namespace qv::connection
