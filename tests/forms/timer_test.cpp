#include "test_form.h"

#include <gmock/gmock.h>

namespace qv::forms::test {
namespace {

using namespace Qt::StringLiterals;

struct TimerFixture : FormFixture {
    Timer timer{form, u"TimerBong"_s};
    int fired = 0;
    TimerFixture() {
        timer.events.timer = [this] {
            ++fired;
        };
    }
};

TEST(TimerTest, FiresEveryIntervalWhileEnabled) {
    TimerFixture f;
    f.timer.setInterval(50);
    f.time.advance(175);
    EXPECT_EQ(f.fired, 3);
    f.timer.setEnabled(false);
    f.time.advance(500);
    EXPECT_EQ(f.fired, 3);
}

TEST(TimerTest, IntervalZeroNeverFiresAndAChangedIntervalCountsAfresh) {
    TimerFixture f;
    f.time.advance(1000);
    EXPECT_EQ(f.fired, 0);
    f.timer.setInterval(100);
    f.time.advance(90);
    f.timer.setInterval(100);
    f.time.advance(90);
    EXPECT_EQ(f.fired, 0);
    f.time.advance(10);
    EXPECT_EQ(f.fired, 1);
}

class TimerForm : public Form {
public:
    explicit TimerForm(FormHost& host) : Form(host, u"TimerForm"_s) {
        pump.setInterval(10);
        pump.events.timer = [this] {
            ++fired;
        };
    }
    Timer pump{*this, u"pump"_s};
    int fired = 0;
};

TEST(TimerTest, AnUnloadedFormsTimerNeverFiresAgain) {
    platform::fake::FakeTimeService time;
    FormHost host(time);
    TimerForm& form = host.get<TimerForm>();
    time.advance(10);
    EXPECT_EQ(form.fired, 1);
    EXPECT_TRUE(form.unload());
    EXPECT_EQ(form.fired, 1);
    time.advance(100);
    EXPECT_EQ(time.activeTimers(), 0U);
}

} // namespace
} // namespace qv::forms::test
