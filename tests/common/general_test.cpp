#include "common/general.h"
#include "common/min_positive_seat.h"
#include "common/runtime_errors.h"
#include "platform/fake/fake_time_service.h"

#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <gtest/gtest.h>
#include <limits>

namespace qv {
namespace {

using namespace Qt::StringLiterals;
using platform::fake::FakeTimeService;

TEST(General, IntLog2AndPow2) {
    const std::array<std::pair<int, int>, 8> logs{
        {{8, 3}, {1, 0}, {0, 0}, {3, 1}, {6, 2}, {-8, 0}, {16384, 14}, {32767, 14}}};
    for (const auto& [n, expected] : logs) {
        EXPECT_EQ(IntLog2(static_cast<std::int16_t>(n)), expected) << n;
    }
    EXPECT_EQ(Pow2(0), 1);
    EXPECT_EQ(Pow2(-3), 1);
    EXPECT_EQ(Pow2(7), 128);
    EXPECT_EQ(Pow2(14), 16384);
    EXPECT_THROW((void)Pow2(15), RuntimeError);
}

TEST(General, PadLeftFillsCharactersNotWidth) {
    EXPECT_EQ(PadLeft(u"7"_s, 3), u"  7"_s);
    EXPECT_EQ(PadLeft(u"12345"_s, 3), u"12345"_s);
    EXPECT_EQ(PadLeft(u"本"_s, 3), u"  本"_s);
    EXPECT_EQ(PadLeft(QString(), 0), QString());
}

TEST(General, PadRightFillsCharactersNotWidth) {
    EXPECT_EQ(PadRight(u"7"_s, 3), u"7  "_s);
    EXPECT_EQ(PadRight(u"12345"_s, 3), u"12345"_s);
    EXPECT_EQ(PadRight(u"本"_s, 3), u"本  "_s);
}

TEST(General, MinPositiveSeat) {
    struct Case {
        std::array<std::int32_t, 4> wealth;
        std::int32_t expected;
    };
    const std::array<Case, 5> cases{{{{0, 5, 3, 7}, 3},
                                     {{4, 0, 9, 2}, 2},
                                     {{0, 0, 0, 0}, 0},
                                     {{-1, -2, 0, 0}, 0},
                                     {{6, 6, -1, 8}, 6}}};
    for (const Case& c : cases) {
        EXPECT_EQ(MinPositiveSeat(c.wealth), c.expected);
    }
}

TEST(General, FileNameExistsComparesTheFirstMatchExactly) {
    QTemporaryDir dir;
    QFile(dir.filePath(u"info.vm"_s)).open(QIODevice::WriteOnly);
    QFile(dir.filePath(u"Other.TXT"_s)).open(QIODevice::WriteOnly);
    EXPECT_TRUE(FileNameExists(dir.filePath(u"info.vm"_s), u"info.vm"_s));
    EXPECT_FALSE(FileNameExists(dir.filePath(u"INFO.VM"_s), u"INFO.VM"_s));
    EXPECT_TRUE(FileNameExists(dir.filePath(u"*.txt"_s), u"Other.TXT"_s));
    EXPECT_FALSE(FileNameExists(dir.filePath(u"missing/info.vm"_s), u"info.vm"_s));
    EXPECT_TRUE(FileNameExists(dir.filePath(u"missing.vm"_s), QString()));
    EXPECT_FALSE(FileNameExists(dir.path(), QFileInfo(dir.path()).fileName()));
}

class Waits : public testing::Test {
protected:
    void tickEvery10Ms() {
        time_.startTimer(10, [this] { ++ticks_; });
    }

    FakeTimeService time_{
        {.tickMs = 0xFFFF'FF00U, .local = QDateTime(QDate(2026, 5, 1), QTime(23, 59, 59))}};
    int ticks_ = 0;
};

TEST_F(Waits, WaitMsAcrossTheTickWrapDeliversEventsAndEnds) {
    tickEvery10Ms();
    WaitMs(time_, 500);
    EXPECT_EQ(time_.monotonicMs(), 500);
    EXPECT_EQ(ticks_, 50);
    EXPECT_LT(time_.tickMs(), 0xFFFF'FF00U);
}

TEST_F(Waits, WaitSecAcrossMidnightEnds) {
    tickEvery10Ms();
    WaitSec(time_, 2.0F);
    EXPECT_LT(time_.secondsSinceMidnight(), 2.0);
    EXPECT_GT(time_.monotonicMs(), 2000);
    EXPECT_LE(time_.monotonicMs(), 2001);
    EXPECT_EQ(ticks_, 200);
}

TEST_F(Waits, NothingIsDeliveredByEmptyWaitsOrSleep) {
    tickEvery10Ms();
    time_.post([this] { ticks_ += 100; });
    WaitMs(time_, 0);
    WaitMs(time_, -5);
    WaitSec(time_, -1.0F);
    EXPECT_EQ(time_.monotonicMs(), 0);
    SleepSec(time_, 0.25F);
    EXPECT_EQ(time_.monotonicMs(), 250);
    EXPECT_EQ(ticks_, 0);
}

TEST_F(Waits, LengthsBeyondTheMillisecondRangeWaitAsLongAsTheyCan) {
    constexpr std::int64_t kLongest = std::numeric_limits<int>::max();
    WaitSec(time_, 3.0e6F);
    EXPECT_EQ(time_.monotonicMs(), kLongest);
    WaitSec(time_, std::numeric_limits<float>::infinity());
    EXPECT_EQ(time_.monotonicMs(), 2 * kLongest);
    WaitSec(time_, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(time_.monotonicMs(), 2 * kLongest);
    SleepSec(time_, 3.0e6F);
    EXPECT_EQ(time_.monotonicMs(), 3 * kLongest);
    SleepSec(time_, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(time_.monotonicMs(), 3 * kLongest);
}

} // namespace
} // namespace qv
