#include "app/client.h"
#include "common/ini_file.h"
#include "forms/input_router.h"
#include "settlement/score_sheet_file.h"
#include "settlement/score_window.h"
#include "support/mouse_turn.h"
#include "support/network_table.h"
#include "table/main_form.h"

#include <QDir>

#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::settlement {
namespace {

bool isMessage(const test::LoggedMessage& m, bool in, int command, int state) {
    return m.in == in && m.command == command &&
           (state < 0 || (m.bytes.size() > 15 && m.bytes[15] == state));
}

int countMessages(const std::vector<test::LoggedMessage>& log, bool in, int command, int state) {
    return static_cast<int>(std::count_if(
        log.begin(), log.end(), [=](const auto& m) { return isMessage(m, in, command, state); }));
}

// Where the `nth` message of the kind stands in the log, counted from 1; the log's end when there
// are fewer.
std::ptrdiff_t position(const std::vector<test::LoggedMessage>& log, bool in, int command,
                        int state, int nth) {
    int seen = 0;
    const auto at = std::find_if(log.begin(), log.end(), [&](const auto& m) {
        return isMessage(m, in, command, state) && ++seen == nth;
    });
    return at - log.begin();
}

// The ready messages the server had before it sent the first hand's result.
int readiesBeforeTheResult(const std::vector<test::LoggedMessage>& log) {
    const auto result = std::find_if(log.begin(), log.end(),
                                     [](const auto& m) { return isMessage(m, false, 9, -1); });
    return static_cast<int>(std::count_if(log.begin(), result,
                                          [](const auto& m) { return isMessage(m, true, 16, 1); }));
}

// On real sockets the client plays two whole hands at the table server: the first at the mouse,
// after which the Score window shows and the ready countdown's ready message has the next hand
// dealt; the second left to the countdown, whose time-outs switch to hidden automatic play, where
// the sheet is kept but not shown, and whose result puts the table back. Each hand's sheet is in
// info.vm.
TEST(TwoHandsTest, EachHandIsSettledAndTheCountdownStartsTheNext) {
    test::TableServerRun server({u"--seed"_s, u"7"_s, u"--delay"_s, u"0"_s, u"--turn-seconds"_s,
                                 u"2"_s, u"--hands"_s, u"2"_s, u"--phrases"_s, u"off"_s});
    ASSERT_GT(server.port(), 0);
    const QString logPath = server.logPath();

    test::ClientAtTable atTable(server.port());
    auto& platform = atTable.platform;
    Client& client = atTable.client;
    table::MainForm& form = atTable.form;
    forms::InputRouter mouse(form);
    classIniFile ini;
    ini.setINIFileName(QDir(platform.fakes.appFolder.path()).filePath(kScoreSheetFile));
    const auto sheetSaved = [&ini, &client](int hand) {
        ScoreSheet sheet;
        LoadScoreSheet(ini, hand, sheet);
        return sheet.names[0] == client.hand.custom[0].name && !sheet.lists[0].isEmpty();
    };

    ASSERT_TRUE(
        test::runUntil([&client] { return client.conn.SeatedCount == 4; }, platform.fakes.process));
    form.AnNiu(2).raiseClick();
    // However slow the machine, the client gets its time: the bounds only end a hung run.
    const auto scoreShown = [&] {
        test::playTurnByMouse(client, mouse);
        const Score* score = client.forms.find<Score>();
        return client.match.juNum == 1 && score != nullptr && score->visible();
    };
    ASSERT_TRUE(test::runUntil(scoreShown, platform.fakes.process, 240000));
    EXPECT_TRUE(sheetSaved(1));
    EXPECT_FALSE(client.table.g_bHiddenPlay);
    auto log = test::readTableLog(logPath);
    EXPECT_EQ(countMessages(log, false, 9, -1), 2);
    // The ready countdown starts when the sheet is written and runs for the table's turn time (two
    // seconds here), as the Score window waits two seconds more: it may already have readied the
    // player by the time the window shows.
    EXPECT_EQ(readiesBeforeTheResult(log), 1);
    client.forms.get<Score>().hide();

    const auto secondDealt = [&] {
        return countMessages(test::readTableLog(logPath), false, 1, -1) == 2;
    };
    ASSERT_TRUE(test::runUntil(secondDealt, platform.fakes.process));
    // The start button readied the player for the first hand, the countdown for the second; after
    // the result the server dealt nothing until that ready message came.
    log = test::readTableLog(logPath);
    EXPECT_EQ(countMessages(log, true, 16, 1), 2);
    EXPECT_LT(position(log, false, 9, -1, 2), position(log, true, 16, 1, 2));
    EXPECT_LT(position(log, true, 16, 1, 2), position(log, false, 1, -1, 2));

    ASSERT_TRUE(
        test::runUntil([&] { return client.match.juNum == 2; }, platform.fakes.process, 240000));
    EXPECT_FALSE(client.table.g_bHiddenPlay);
    EXPECT_FALSE(client.table.g_bAutoPlay);
    EXPECT_EQ(form.windowState(), forms::window_state::kNormal);
    EXPECT_TRUE(sheetSaved(2));
    EXPECT_FALSE(client.forms.get<Score>().visible());
}

} // namespace
} // namespace qv::settlement
