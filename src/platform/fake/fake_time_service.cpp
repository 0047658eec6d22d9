#include "platform/fake/fake_time_service.h"

#include <algorithm>
#include <utility>

namespace qv::platform::fake {

FakeTimeService::FakeTimeService(Start start) : start_(std::move(start)) {}

std::uint32_t FakeTimeService::tickMs() const {
    return start_.tickMs + static_cast<std::uint32_t>(nowMs_);
}

double FakeTimeService::secondsSinceMidnight() const {
    return localDateTime().time().msecsSinceStartOfDay() / 1000.0;
}

QDateTime FakeTimeService::localDateTime() const {
    return start_.local.addMSecs(nowMs_);
}

TimeService::TimerId FakeTimeService::startTimer(int intervalMs, Handler handler) {
    const int interval = std::max(intervalMs, 1);
    timers_.emplace(++lastId_, Timer{interval, nowMs_ + interval, std::move(handler)});
    return lastId_;
}

void FakeTimeService::stopTimer(TimerId id) {
    timers_.erase(id);
}

void FakeTimeService::post(Handler event) {
    posted_.push_back(std::move(event));
}

void FakeTimeService::processEvents() {
    advanceTo(nowMs_);
}

void FakeTimeService::wait(int ms) {
    advanceTo(nowMs_ + std::max(ms, 0));
}

void FakeTimeService::sleep(int ms) {
    nowMs_ += std::max(ms, 0);
}

void FakeTimeService::advance(std::int64_t ms) {
    advanceTo(nowMs_ + std::max<std::int64_t>(ms, 0));
}

void FakeTimeService::advanceTo(std::int64_t targetMs) {
    while (!halted_) {
        deliverPosted();
        const TimerId due = nextDue(targetMs);
        if (due == 0 || halted_) {
            break;
        }
        nowMs_ = std::max(nowMs_, timers_.at(due).deadlineMs);
        fire(due);
    }
    nowMs_ = std::max(nowMs_, targetMs);
    deliverPosted();
}

void FakeTimeService::deliverPosted() {
    // Everything posted so far, and what those events post in turn, runs before the clock moves.
    while (!halted_ && !posted_.empty()) {
        Handler event = std::move(posted_.front());
        posted_.pop_front();
        event();
    }
}

TimeService::TimerId FakeTimeService::nextDue(std::int64_t limitMs) const {
    TimerId best = 0;
    std::int64_t bestDeadline = limitMs;
    for (const auto& [id, timer] : timers_) {
        if (!timer.running && timer.deadlineMs <= bestDeadline &&
            (best == 0 || timer.deadlineMs < bestDeadline)) {
            best = id;
            bestDeadline = timer.deadlineMs;
        }
    }
    return best;
}

void FakeTimeService::fire(TimerId id) {
    Timer& timer = timers_.at(id);
    timer.deadlineMs += timer.intervalMs;
    if (timer.deadlineMs <= nowMs_) {
        timer.deadlineMs = nowMs_ + timer.intervalMs;
    }
    timer.running = true;
    // The handler may stop its own timer (or stop it and start others): keep a copy and look the
    // timer up again afterwards.
    const Handler handler = timer.handler;
    struct Release {
        FakeTimeService& self;
        TimerId id;
        ~Release() {
            if (auto it = self.timers_.find(id); it != self.timers_.end()) {
                it->second.running = false;
            }
        }
    } release{*this, id};
    handler();
}

} // namespace qv::platform::fake
