#pragma once

#include "forms/component.h"
#include "forms/design.h"

namespace qv::forms {

class Container;

/// A timer control: while Enabled with an Interval above 0 it raises Timer every Interval
/// milliseconds through the time service. Changing Interval, or enabling it, starts the count
/// again; an unloaded form's timers never fire.
class Timer : public Component {
public:
    Timer(Container& container, QString name);
    /// A timer with its design's interval, running from the start when the design says so.
    Timer(Container& container, QString name, const TimerDesign& design);
    ~Timer() override;

    [[nodiscard]] Container& container() const { return *container_; }
    [[nodiscard]] int interval() const { return interval_; }
    void setInterval(int ms);
    void setEnabled(bool enabled) override;

    /// Copies Interval, Enabled and Tag (a control array's new element).
    void copyPropertiesFrom(const Timer& other);

    ControlEvents events;
    [[nodiscard]] ControlEvents& eventSlots() override { return events; }

private:
    void restart();
    void stop();

    Container* container_;
    int interval_ = 0;
    int timerId_ = 0;
    bool running_ = false;
};

} // namespace qv::forms
