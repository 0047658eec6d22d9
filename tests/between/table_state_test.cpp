#include "between_fixture.h"
#include "platform/fake/fake_process.h"
#include "table/exit_windows.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

using testing_support::BetweenTable;
using testing_support::shown;

connection::GameMessage tableState(std::uint8_t state,
                                   std::initializer_list<std::pair<int, std::uint8_t>> bytes = {}) {
    auto m = BetweenTable::message(connection::MsgTableState, bytes);
    m.setU8(15, state);
    return m;
}

// State 0 prepares the seat change once per deal or login; the wealth step runs every time.
TEST(TableStateTest, StateZeroPreparesTheSeatChangeOnceAndShowsItWhenAsked) {
    BetweenTable t;
    auto& conn = t.client.conn;
    conn.g_bTimeLimit = true;
    conn.g_bBuyDeferred = true;
    t.client.table.g_bCountdownAnim = true;
    t.form.Picture_ani(1).setVisible(true);
    t.dispatch(tableState(0, {{11, 1}, {13, 1}}));
    EXPECT_FALSE(t.client.table.g_bCountdownAnim);
    EXPECT_FALSE(t.form.Picture_ani(1).visible());
    EXPECT_FALSE(conn.g_bTimeLimit);
    EXPECT_FALSE(conn.g_bBuyDeferred);
    EXPECT_TRUE(conn.g_bRandomSeats);
    EXPECT_TRUE(conn.g_bSeatChangeArmed);
    EXPECT_TRUE(conn.g_bSeatChangeShown);
    EXPECT_TRUE(t.form.LblShuffle.visible());
    EXPECT_EQ(t.form.LblShuffle.caption(), u"正在随机换座中.."_s);
    EXPECT_DOUBLE_EQ(t.form.Time_Img.left(), 875);
    EXPECT_DOUBLE_EQ(t.form.ImgShuffle.left(), 875 + t.form.Time_Img.width() + 6);

    // A second state 0 before the next deal does not prepare it again.
    conn.g_bSeatChangeArmed = false;
    t.dispatch(tableState(0, {{11, 1}}));
    EXPECT_FALSE(conn.g_bSeatChangeArmed);
}

TEST(TableStateTest, AWatcherGetsNoSeatChangeButTheFlagsClear) {
    BetweenTable t;
    auto& conn = t.client.conn;
    conn.commandLine.g_bSpectator = true;
    conn.g_bTimeLimit = true;
    t.dispatch(tableState(0, {{11, 1}, {13, 1}}));
    EXPECT_FALSE(conn.g_bTimeLimit);
    EXPECT_FALSE(conn.g_bSeatChangeArmed);
    EXPECT_FALSE(t.form.LblShuffle.visible());
}

struct WealthCase {
    const char* name;
    QSize screen;
    std::int32_t multiple;
    double fontSize;
    double left;
    double top;
};

class TableStateWealthTest : public testing::TestWithParam<WealthCase> {};

// The multiple is a signed 32-bit value; its label takes the font and place of its size.
TEST_P(TableStateWealthTest, TheMultipleIsShownBySizeAndScale) {
    const WealthCase& c = GetParam();
    BetweenTable t(c.screen);
    t.client.conn.WealthMultiple = 5;
    auto m = tableState(0);
    m.setU32le(16, static_cast<std::uint32_t>(c.multiple));
    t.dispatch(m);
    const float sx = t.client.table.ScaleX;
    const float sy = t.client.table.ScaleY;
    EXPECT_EQ(t.client.conn.WealthMultiple, c.multiple);
    EXPECT_EQ(t.form.lbwealth.caption(), QString::number(c.multiple));
    EXPECT_DOUBLE_EQ(t.form.lbwealth.fontSize(), c.fontSize);
    EXPECT_NEAR(t.form.lbwealth.left(), c.left * sx, 0.01);
    EXPECT_NEAR(t.form.lbwealth.top(), c.top * sy, 0.01);
    EXPECT_TRUE(t.form.lbwealth.visible());
    EXPECT_TRUE(t.form.Imgwealth.visible());
    EXPECT_FALSE(t.platform.process.ended());
}

INSTANTIATE_TEST_SUITE_P(Cases, TableStateWealthTest,
                         testing::Values(WealthCase{"large_100", {1024, 768}, 100, 13, 51, 535},
                                         WealthCase{"large_99", {1024, 768}, 99, 18, 55, 533},
                                         WealthCase{"small_100", {800, 600}, 100, 13, 65, 528},
                                         WealthCase{"small_99", {800, 600}, 99, 18, 67, 522},
                                         WealthCase{"negative", {1024, 768}, -200, 18, 55, 533}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(TableStateTest, WithoutAMultipleTheWealthIsHiddenAndTheBytesIgnored) {
    BetweenTable t;
    t.client.conn.WealthMultiple = 0;
    t.form.lbwealth.setVisible(true);
    auto m = tableState(0);
    m.setU32le(16, 50);
    t.dispatch(m);
    EXPECT_EQ(t.client.conn.WealthMultiple, 0);
    EXPECT_FALSE(t.form.lbwealth.visible());
}

TEST(TableStateTest, StateTwoArmsTheNextPreparation) {
    BetweenTable t;
    t.form.WebBrowser2.setVisible(true);
    t.dispatch(tableState(2));
    EXPECT_TRUE(t.client.conn.g_bTimeLimit);
    EXPECT_TRUE(t.client.conn.g_bBuyDeferred);
    EXPECT_FALSE(t.form.WebBrowser2.visible());
}

// Another seat short of coins: a line in the system list, the table stays.
TEST(TableStateTest, AnotherSeatShortOfCoinsIsNamed) {
    BetweenTable t;
    t.dispatch(tableState(3, {{6, 0x14}}));
    EXPECT_EQ(t.form.Sysmsg(0).items(), QStringList{u"玩家nick4金币不够，退出游戏！"_s});
    EXPECT_EQ(t.client.hand.custom[2].name, u"p4"_s);
    EXPECT_EQ(t.client.forms.find<table::frmOtherExit>(), nullptr);
}

struct ShortCase {
    const char* name;
    std::uint8_t byte11;
    const char16_t* notice;
};

class OwnSeatShortTest : public testing::TestWithParam<ShortCase> {};

// The player himself short of coins: the notice, the other seats emptied, the table closed and
// the leave message sent; the process stays.
TEST_P(OwnSeatShortTest, TheTableIsClosedAndTheNoticeLeadsBack) {
    BetweenTable t;
    t.connect();
    t.platform.winsock.takeSent();
    const std::uint32_t noticeTime = t.platform.time.tickMs();
    t.dispatch(tableState(4, {{6, 1}, {11, GetParam().byte11}}));
    auto* notice = t.client.forms.find<table::frmOtherExit>();
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->visible());
    EXPECT_EQ(notice->Label1.caption(), QString::fromUtf16(GetParam().notice));
    EXPECT_TRUE(shown<settlement::Score>(t));
    for (int j = 1; j <= 3; ++j) {
        EXPECT_TRUE(t.client.hand.custom.at(static_cast<std::size_t>(j)).name.isEmpty());
        EXPECT_TRUE(t.form.Nid(j).caption().isEmpty());
    }
    EXPECT_EQ(t.client.hand.custom[0].name, u"me"_s);
    const QByteArray sent = t.platform.winsock.sent();
    EXPECT_TRUE(sent.isEmpty()) << "the socket closed before the leave";
    EXPECT_EQ(t.client.conn.SeatedCount, 0);
    EXPECT_FALSE(t.client.conn.TimerKeepAlive.Enabled());
    EXPECT_FALSE(t.platform.process.ended());
    // The post-game sequence runs 2001 ms after the notice.
    EXPECT_TRUE(t.client.settlement.ShowScoreAfter);
    EXPECT_EQ(t.client.settlement.ResultShowTime, noticeTime);
    notice->imgOK.raiseClick();
    EXPECT_EQ(t.platform.lobby.events().back().kind, platform::fake::FakeLobbyLink::Kind::Restore);
    EXPECT_EQ(t.form.windowState(), forms::window_state::kMinimized);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnSeatShortTest,
    testing::Values(ShortCase{"change_room", 1, u"您的金币不够，请更换房间或充值后继续游戏！"},
                    ShortCase{"subsidy", 2, u"您的金币不够，请领取低保或充值后继续游戏！"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(TableStateTest, OwnSeatShortWhileMinimisedShowsNoNotice) {
    BetweenTable t;
    t.form.setWindowState(forms::window_state::kMinimized);
    t.dispatch(tableState(3, {{6, 1}}));
    auto* notice = t.client.forms.find<table::frmOtherExit>();
    EXPECT_TRUE(notice == nullptr || !notice->visible());
    EXPECT_TRUE(shown<settlement::Score>(t));
    EXPECT_FALSE(t.client.settlement.ShowScoreAfter);
}

TEST(TableStateTest, AWatcherEndsWhenCoinsRunShort) {
    BetweenTable t;
    t.client.conn.commandLine.g_bSpectator = true;
    EXPECT_THROW(t.dispatch(tableState(3)), platform::fake::ProgramEnded);
    ASSERT_EQ(t.platform.messageBox.shown_.size(), 1U);
    EXPECT_EQ(t.platform.messageBox.shown_[0].text, u"有用户退出，旁观结束！"_s);
}

} // namespace
} // namespace qv::between
