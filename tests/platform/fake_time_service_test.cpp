#include "platform/fake/fake_time_service.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <ostream>
#include <string>
#include <vector>

namespace qv::platform::fake {
namespace {

using testing::ElementsAre;

struct Fired {
    std::string what;
    std::int64_t atMs;
    bool operator==(const Fired&) const = default;
    friend void PrintTo(const Fired& f, std::ostream* os) { *os << f.what << '@' << f.atMs; }
};

class FakeTimeTest : public testing::Test {
protected:
    TimeService::Handler record(std::string what) {
        return [this, what] {
            fired_.push_back({what, time_.monotonicMs()});
        };
    }

    FakeTimeService time_;
    std::vector<Fired> fired_;
};

TEST_F(FakeTimeTest, LongWaitRunsEveryTickInVirtualTime) {
    int ticks = 0;
    time_.startTimer(50, [&] { ++ticks; });
    time_.wait(500'000);
    EXPECT_EQ(ticks, 10'000);
    EXPECT_EQ(time_.monotonicMs(), 500'000);
}

TEST_F(FakeTimeTest, TimersFireInDeadlineOrderThenStartOrder) {
    time_.startTimer(30, record("a"));
    time_.startTimer(20, record("b"));
    time_.startTimer(60, record("c"));
    time_.advance(60);
    EXPECT_THAT(fired_, ElementsAre(Fired{"b", 20}, Fired{"a", 30}, Fired{"b", 40}, Fired{"a", 60},
                                    Fired{"b", 60}, Fired{"c", 60}));
}

TEST_F(FakeTimeTest, NestedWaitLetsOtherTimersRunAndReturnsToTheOuterHandler) {
    TimeService::TimerId outer = 0;
    outer = time_.startTimer(100, [&] {
        fired_.push_back({"outer begins", time_.monotonicMs()});
        time_.wait(25);
        fired_.push_back({"outer ends", time_.monotonicMs()});
        time_.stopTimer(outer);
    });
    time_.startTimer(10, record("inner"));
    time_.advance(120);
    EXPECT_THAT(fired_, testing::IsSupersetOf({Fired{"outer begins", 100}, Fired{"inner", 110},
                                               Fired{"inner", 120}, Fired{"outer ends", 125}}));
    EXPECT_EQ(std::count(fired_.begin(), fired_.end(), Fired{"outer begins", 100}), 1);
    EXPECT_EQ(fired_.back(), (Fired{"outer ends", 125}));
    EXPECT_FALSE(time_.timerActive(outer));
    EXPECT_EQ(time_.monotonicMs(), 125);
}

TEST_F(FakeTimeTest, PostedEventsComeFirstAndInOrder) {
    time_.startTimer(10, record("timer"));
    time_.post(record("first"));
    time_.post([this] {
        fired_.push_back({"second", time_.monotonicMs()});
        time_.post(record("posted by second"));
    });
    EXPECT_TRUE(fired_.empty());
    time_.advance(10);
    EXPECT_THAT(fired_, ElementsAre(Fired{"first", 0}, Fired{"second", 0},
                                    Fired{"posted by second", 0}, Fired{"timer", 10}));
}

TEST_F(FakeTimeTest, SleepAndStoppedTimersDeliverNothing) {
    const auto id = time_.startTimer(10, record("timer"));
    time_.post(record("event"));
    time_.sleep(100);
    EXPECT_TRUE(fired_.empty());
    EXPECT_EQ(time_.pendingEvents(), 1U);
    time_.stopTimer(id);
    time_.processEvents();
    EXPECT_THAT(fired_, ElementsAre(Fired{"event", 100}));
}

TEST_F(FakeTimeTest, AfterHaltNothingIsDelivered) {
    time_.startTimer(10, [this] { time_.halt(); });
    time_.startTimer(10, record("after halt"));
    time_.wait(100);
    EXPECT_TRUE(fired_.empty());
    EXPECT_EQ(time_.monotonicMs(), 100);
}

TEST(FakeTimeStart, TickWrapsAndMidnightRestarts) {
    FakeTimeService time(
        {.tickMs = 0xFFFF'FFF0U, .local = QDateTime(QDate(2026, 3, 1), QTime(23, 59, 59, 500))});
    EXPECT_DOUBLE_EQ(time.secondsSinceMidnight(), 86'399.5);
    time.advance(1'000);
    EXPECT_EQ(time.tickMs(), 1'000U - 0x10U);
    EXPECT_DOUBLE_EQ(time.secondsSinceMidnight(), 0.5);
    EXPECT_EQ(time.localDateTime().date(), QDate(2026, 3, 2));
}

} // namespace
} // namespace qv::platform::fake
