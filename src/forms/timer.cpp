#include "forms/timer.h"

#include "forms/container.h"
#include "forms/form.h"
#include "platform/time_service.h"

namespace qv::forms {

Timer::Timer(Container& container, QString name)
    : Component(container.component().form(), std::move(name)), container_(&container) {}

Timer::Timer(Container& container, QString name, const TimerDesign& design)
    : Timer(container, std::move(name)) {
    setInterval(design.intervalMs);
    setEnabled(design.enabled);
}

Timer::~Timer() {
    stop();
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    changed();
    restart();
}

void Timer::setEnabled(bool enabled) {
    const bool wasEnabled = this->enabled();
    Component::setEnabled(enabled);
    if (enabled != wasEnabled) {
        restart();
    }
}

void Timer::copyPropertiesFrom(const Timer& other) {
    copyComponentPropertiesFrom(other);
    interval_ = other.interval_;
    restart();
}

void Timer::restart() {
    stop();
    if (!enabled() || interval_ <= 0) {
        return;
    }
    timerId_ = form().time().startTimer(interval_, [this] {
        if (form().loaded()) {
            raiseTimer();
        }
    });
    running_ = true;
}

void Timer::stop() {
    if (running_) {
        form().time().stopTimer(timerId_);
        running_ = false;
    }
}

} // namespace qv::forms
