#include "app/client.h"
#include "forms/input_router.h"
#include "support/mouse_turn.h"
#include "support/network_table.h"
#include "table/main_form.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

/// The client's plays and passes as the server logged them, and its refusals.
struct ServerLog {
    int plays = 0;
    int refusals = 0;
    int results = 0;
};

ServerLog readLog(const QString& path) {
    ServerLog log;
    for (const test::LoggedMessage& message : test::readTableLog(path)) {
        log.plays += message.in && message.command == 7 && message.bytes.size() > 15 &&
                             message.bytes[15] == 2
                         ? 1
                         : 0;
        log.results += !message.in && message.command == 9 ? 1 : 0;
        log.refusals += message.command < 0 && message.bytes.contains("refused") ? 1 : 0;
    }
    return log;
}

enum class Driver { Countdown, Mouse };

/// Who plays the client's turns, on which deal.
struct HandRun {
    const char* name;
    Driver driver;
    const char16_t* seed;
};

void PrintTo(const HandRun& run, std::ostream* out) {
    *out << run.name;
}

class WholeHandTest : public ::testing::TestWithParam<HandRun> {};

// The client plays a whole hand at the table server over real sockets, its turns played by the
// countdown's automatic play or by the mouse (the first hint raised, a right click on the
// table). Every play it sends is taken, and the hand ends with three seats out.
TEST_P(WholeHandTest, TheClientPlaysAWholeHand) {
    const HandRun& run = GetParam();
    test::TableServerRun server({u"--seed"_s, QString::fromUtf16(run.seed), u"--delay"_s, u"0"_s,
                                 u"--deal-after"_s, u"100"_s, u"--turn-seconds"_s, u"2"_s,
                                 u"--hands"_s, u"1"_s});
    ASSERT_GT(server.port(), 0);

    test::ClientAtTable atTable(server.port());
    auto& platform = atTable.platform;
    Client& client = atTable.client;
    table::MainForm& form = atTable.form;
    forms::InputRouter mouse(form);
    bool threeOut = false;
    const auto over = [&] {
        if (run.driver == Driver::Mouse) {
            test::playTurnByMouse(client, mouse);
        }
        threeOut = threeOut || client.hand.g_FinishCount == 3;
        return threeOut && readLog(server.logPath()).results == 2;
    };
    // Three badges shown and the hand's result sent: three seats are out and the server closed the
    // hand. The player's own last play shows his badge when it is queued, before it is sent, so
    // the badges alone do not say the hand is over; and the badges are remembered, as the client
    // leaves the table when the server closes it. However slow the machine, the client gets its
    // time: the bound only ends a hung run.
    ASSERT_TRUE(test::runUntil(over, platform.fakes.process, 240000));
    server.waitForEnd(10000);
    const ServerLog log = readLog(server.logPath());
    EXPECT_GT(log.plays, 0);
    EXPECT_EQ(log.refusals, 0);
    EXPECT_EQ(log.results, 2);
}

// Dealt from seed 3, the player's partner goes out and leaves him the lead, and the countdown's
// play of his last cards makes him the third seat out.
INSTANTIATE_TEST_SUITE_P(
    Drivers, WholeHandTest,
    ::testing::Values(HandRun{"Countdown", Driver::Countdown, u"6"},
                      HandRun{"Mouse", Driver::Mouse, u"11"},
                      HandRun{"CountdownGoesOutThird", Driver::Countdown, u"3"}),
    [](const ::testing::TestParamInfo<HandRun>& run) { return std::string(run.param.name); });

} // namespace
} // namespace qv::hand
