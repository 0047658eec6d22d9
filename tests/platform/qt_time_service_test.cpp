#include "platform/qt/qt_time_service.h"

#include <gmock/gmock.h>
#include <string>
#include <vector>

namespace qv::platform::qt {
namespace {

using testing::ElementsAre;

TEST(QtTimeService, NestedWaitsDeliverTimersAndEventsAndReturnInOrder) {
    QtTimeService time;
    std::vector<std::string> log;
    int inner = 0;
    const auto innerId = time.startTimer(2, [&] { ++inner; });
    TimeService::TimerId outerId = 0;
    outerId = time.startTimer(5, [&] {
        time.stopTimer(outerId);
        log.emplace_back("outer begins");
        const int before = inner;
        time.post([&] { log.emplace_back("posted"); });
        time.wait(30);
        log.emplace_back(inner > before ? "inner ran" : "inner starved");
        log.emplace_back("outer ends");
    });
    const std::int64_t start = time.monotonicMs();
    time.wait(50);
    time.stopTimer(innerId);
    EXPECT_THAT(log, ElementsAre("outer begins", "posted", "inner ran", "outer ends"));
    EXPECT_GE(time.monotonicMs() - start, 50);
}

TEST(QtTimeService, ClocksAreConsistent) {
    QtTimeService time;
    const std::uint32_t tick = time.tickMs();
    time.sleep(5);
    EXPECT_GE(static_cast<std::uint32_t>(time.tickMs() - tick), 5U);
    const double seconds = time.secondsSinceMidnight();
    EXPECT_GE(seconds, 0.0);
    EXPECT_LT(seconds, 86'400.0);
}

} // namespace
} // namespace qv::platform::qt
