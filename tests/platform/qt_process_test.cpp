#include "platform/qt/qt_process.h"
#include "platform/qt/qt_time_service.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace qv::platform::qt {
namespace {

class QtProcessDeathTest : public testing::Test {
protected:
    QtProcessDeathTest() { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(QtProcessDeathTest, EndNowEndsTheProcessAtOnce) {
    EXPECT_EXIT(
        {
            QtProcess process;
            process.endNow();
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(QtProcessDeathTest, RestoreLobbyThenEndRunsTheRestorerFirst) {
    EXPECT_EXIT(
        {
            QtProcess process;
            process.setLobbyRestorer([] { std::fputs("lobby restored\n", stderr); });
            process.restoreLobbyThenEnd();
        },
        testing::ExitedWithCode(0), "lobby restored");
}

TEST_F(QtProcessDeathTest, ShutDownEndsEveryWaitingLoop) {
    EXPECT_EXIT(
        {
            QtTimeService time;
            QtProcess process;
            time.startTimer(5, [&] {
                process.shutDown();
                time.wait(60'000);
                std::fputs("inner wait ended\n", stderr);
            });
            time.wait(60'000);
            std::exit(3);
        },
        testing::ExitedWithCode(3), "inner wait ended");
}

} // namespace
} // namespace qv::platform::qt
