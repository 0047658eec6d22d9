#include "between/server_branches.h"
#include "between_fixture.h"
#include "platform/fake/fake_process.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

using testing_support::BetweenTable;

connection::GameMessage left(const QByteArray& account, bool antiCheat = false,
                             bool shortCountdown = false) {
    auto m = BetweenTable::message(connection::MsgPlayerLeft,
                                   {{8, antiCheat ? 1 : 0}, {11, shortCountdown ? 1 : 0}});
    m.writeBytes(16, account);
    return m;
}

TEST(PlayerLeftDecodeTest, TheAntiCheatRoomShiftsTheFirstByte) {
    EXPECT_EQ(DecodePlayerLeft(left("Bb", true))->account, u"Ab"_s);
    EXPECT_EQ(DecodePlayerLeft(left("Bb", false))->account, u"Bb"_s);
    // A first byte of 0 in an anti-cheat room names no character: an unknown account.
    auto zero = left("", true);
    zero.setU8(17, 'b');
    EXPECT_EQ(DecodePlayerLeft(zero)->account, std::nullopt);
}

TEST(PlayerLeftTest, TheSeatIsEmptiedAndTheRecordsKept) {
    BetweenTable t;
    t.client.conn.SheetSeats[2] = {u"nick4"_s, u"3"_s};
    t.dispatch(left("p4"));
    EXPECT_TRUE(t.client.hand.custom[2].name.isEmpty());
    EXPECT_TRUE(t.client.conn.Detail[2].username.isEmpty());
    EXPECT_EQ(t.client.conn.Detail[2].account, u"p4"_s);
    EXPECT_TRUE(t.form.Nid(2).caption().isEmpty());
    EXPECT_EQ(t.client.conn.SeatedCount, 3);
    EXPECT_EQ(t.client.conn.SheetSeats[2].name, u"nick4"_s);
    ASSERT_EQ(t.form.Sysmsg(0).items().size(), 1);
    EXPECT_TRUE(t.form.Sysmsg(0).items()[0].startsWith(u"nick4退出了游戏 "_s));
    EXPECT_TRUE(t.form.Sysmsg(1).items().isEmpty());
    EXPECT_TRUE(t.client.conn.g_bLeaveOnStart);
    EXPECT_TRUE(t.client.conn.TimerKeepAlive.Enabled());
}

TEST(PlayerLeftTest, TheOwnAccountEndsTheProgramAtOnce) {
    BetweenTable t;
    EXPECT_THROW(t.dispatch(left("me")), platform::fake::ProgramEnded);
    EXPECT_EQ(t.client.hand.custom[1].name, u"p2"_s);
    EXPECT_TRUE(t.platform.messageBox.shown_.empty());
}

struct CountdownCase {
    const char* name;
    bool shortCountdown;
    bool hidden;
    int expected;
};

class PlayerLeftCountdownTest : public testing::TestWithParam<CountdownCase> {};

// A departure while a hand runs or is pending abandons it and restarts the ready countdown,
// also for an account no seat holds.
TEST_P(PlayerLeftCountdownTest, TheReadyCountdownStartsAgain) {
    BetweenTable t;
    auto& conn = t.client.conn;
    conn.g_bTimeLimit = true;
    conn.g_bInGame = true;
    t.client.table.AnNiuLocked[2] = true;
    t.client.table.g_bHiddenPlay = GetParam().hidden;
    t.dispatch(left("stranger", false, GetParam().shortCountdown));
    EXPECT_EQ(conn.CountDown, GetParam().expected);
    EXPECT_TRUE(conn.slots.BongFlag[connection::kReadySlot]);
    EXPECT_FALSE(conn.g_bInGame);
    EXPECT_FALSE(t.client.table.AnNiuLocked[2]);
    EXPECT_TRUE(t.form.Number.visible());
    EXPECT_EQ(t.form.Number.caption(), QString::number(GetParam().expected));
    EXPECT_EQ(conn.SeatedCount, 4);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlayerLeftCountdownTest,
                         testing::Values(CountdownCase{"fifteen", false, false, 15},
                                         CountdownCase{"ten", true, false, 10},
                                         CountdownCase{"hidden", false, true, 1}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(PlayerLeftTest, AWatchersEndComesAfterTheSeatIsEmptied) {
    BetweenTable t;
    t.client.conn.commandLine.g_bSpectator = true;
    t.client.conn.g_bTimeLimit = true;
    EXPECT_THROW(t.dispatch(left("p2")), platform::fake::ProgramEnded);
    EXPECT_TRUE(t.client.hand.custom[1].name.isEmpty());
    EXPECT_FALSE(t.client.conn.slots.BongFlag[connection::kReadySlot]);
    ASSERT_EQ(t.platform.messageBox.shown_.size(), 1U);
    EXPECT_EQ(t.platform.messageBox.shown_[0].text, u"有用户退出，旁观结束！"_s);
}

} // namespace
} // namespace qv::between
