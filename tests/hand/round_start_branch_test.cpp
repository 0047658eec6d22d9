#include "hand/round_start_branch.h"
#include "hand_fixture.h"
#include "table/exit_windows.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

using testing_support::HandTable;
using testing_support::sampleHand;
using testing_support::shows;

connection::RoundStart roundStart(std::uint8_t banker, bool fullHand = true,
                                  std::uint8_t turnTime = 20) {
    connection::RoundStart start;
    start.cardCount = fullHand ? 27 : 0;
    start.banker = banker;
    start.turnTime = turnTime;
    if (fullHand) {
        start.cards = sampleHand();
    }
    start.threadIndex = 0x89ABCDEF;
    start.roundNote = u"第一局"_s;
    return start;
}

/// A table where the player sits at seat mask 2, with the given screen.
struct Table : HandTable {
    explicit Table(QSize screen = {1024, 768}) : HandTable(screen) {
        auto& custom = client.hand.custom;
        custom[0].seat = 2;
        custom[1] = {.name = u"right"_s, .seat = 4};
        custom[2] = {.name = u"across"_s, .seat = 8};
        custom[3] = {.name = u"left"_s, .seat = 1};
    }
};

TEST(RoundStartBranchTest, AFullHandResetsAndDealsAndEveryRoundStartEntersTheHand) {
    for (const bool full : {true, false}) {
        Table t;
        t.client.conn.TimerKeepAlive.setEnabled(true);
        t.client.conn.slots.arm(connection::kReadySlot);
        t.form.OK(2).setVisible(true);
        t.client.conn.g_bHoldLeft = true;
        t.client.conn.ResultPart = 1;
        OnRoundStart(t.ctx, roundStart(4, full));
        const auto& conn = t.client.conn;
        EXPECT_TRUE(conn.g_bInGame);
        EXPECT_FALSE(conn.g_bHoldLeft);
        EXPECT_EQ(conn.g_bFirstDealDone, 1);
        EXPECT_EQ(conn.ResultPart, 0);
        EXPECT_EQ(conn.RoundNote, u"第一局"_s);
        EXPECT_EQ(conn.threadIndex, 0x89ABCDEFU);
        EXPECT_TRUE(conn.g_bTimeLimit);
        EXPECT_FALSE(conn.TimerKeepAlive.Enabled());
        EXPECT_FALSE(conn.slots.BongFlag[connection::kReadySlot]);
        EXPECT_FALSE(t.form.OK(2).visible());
        EXPECT_TRUE(t.client.table.AnNiuLocked[2]);
        EXPECT_EQ(conn.RoundPlayerNames,
                  (std::array<QString, 3>{u"right"_s, u"across"_s, u"left"_s}));
        EXPECT_EQ(t.client.hand.custom[0].sum, full ? 27 : 0) << full;
        EXPECT_EQ(t.form.shanImage(1).visible(), full) << full;
        EXPECT_EQ(t.form.cardImage0(0).visible(), full) << full;
    }
}

TEST(RoundStartBranchTest, TheBankersMarkAndClockGoToItsSeatAtBothScales) {
    for (const QSize screen : {QSize(1024, 768), QSize(800, 600)}) {
        const float s = screen.width() == 1024 ? 1.0F : 0.78125F;
        for (const std::uint8_t banker : {2, 4, 8, 1}) {
            Table t(screen);
            OnRoundStart(t.ctx, roundStart(banker));
            const int seat = (banker == 2) ? 0 : (banker == 4 ? 1 : (banker == 8 ? 2 : 3));
            const std::string what = std::to_string(seat) + " at " + std::to_string(s);
            EXPECT_EQ(t.client.hand.Zhuangjia_st, seat) << what;
            const std::array<std::pair<double, double>, 4> marks = {
                {{10, t.form.imgDilan.top() - 80 * s},
                 {30 * s, 110 * s},
                 {350 * s, 110 * s},
                 {850 * s, 110 * s}}};
            EXPECT_EQ(t.form.imgDizhu.left(), marks.at(static_cast<std::size_t>(seat)).first)
                << what;
            EXPECT_EQ(t.form.imgDizhu.top(), marks.at(static_cast<std::size_t>(seat)).second)
                << what;
            EXPECT_EQ(t.form.Number.left(), t.form.Time_Img.left() + 48 * s) << what;
            EXPECT_EQ(t.form.Number.caption(), u"20"_s);
            EXPECT_TRUE(t.form.Time_Img.visible());
            EXPECT_TRUE(t.form.imgDizhu.visible());
            EXPECT_TRUE(t.form.imgBaopai.visible());
            EXPECT_EQ(t.client.conn.TurnTime, 20);
        }
    }
}

// A hand that starts while the exit dialog is open takes the dialog away, so a leave is
// confirmed only after the warning that a hand is being played; a hidden dialog stays.
TEST(RoundStartBranchTest, AVisibleExitDialogGoesAtTheStart) {
    for (const bool visible : {true, false}) {
        Table t;
        auto& dialog = t.client.forms.get<table::frmExit>();
        dialog.setVisible(visible);
        OnRoundStart(t.ctx, roundStart(4));
        EXPECT_EQ(t.client.forms.find<table::frmExit>() == nullptr, visible) << visible;
    }
}

// A banker byte that is not one seat mask still starts the hand: the cards are dealt, the result
// counter starts again and the banker's seat is read from the byte's highest bit.
TEST(RoundStartBranchTest, ABankerByteThatIsNoSeatStillStartsTheHand) {
    const std::pair<std::uint8_t, int> cases[] = {{0x03, 0}, {0x0C, 2}, {0x00, 3}};
    for (const auto& [byte, seat] : cases) {
        Table t;
        t.client.conn.ResultPart = 1;
        connection::GameMessage m;
        m.setCommand(connection::MsgRoundStart);
        m.setU8(8, 27);
        m.setU8(12, 20);
        m.setU8(15, byte);
        const auto cards = sampleHand();
        for (std::size_t i = 0; i < cards.size(); ++i) {
            m.setU32le(16 + 4 * static_cast<int>(i), cards[i]);
        }
        connection::DispatchFrame(t.client.conn, m);
        EXPECT_EQ(t.client.conn.ResultPart, 0) << int(byte);
        EXPECT_TRUE(t.client.conn.g_bInGame) << int(byte);
        EXPECT_EQ(t.client.hand.custom[0].sum, 27) << int(byte);
        EXPECT_EQ(t.client.hand.Zhuangjia_st, seat) << int(byte);
    }
}

TEST(RoundStartBranchTest, AnOwnBankerGetsTheCallButton) {
    Table t;
    t.client.conn.g_bTimeLimit = false;
    OnRoundStart(t.ctx, roundStart(2));
    EXPECT_TRUE(t.client.hand.g_bMyTurn);
    EXPECT_TRUE(t.client.hand.Oper1_Flag);
    EXPECT_TRUE(t.client.conn.g_bOwnCountdown);
    EXPECT_FALSE(t.client.conn.slots.BongFlag[connection::kTurnSlot]);
    EXPECT_TRUE(shows(t.form.btnJiaopai(0), 193));
    EXPECT_EQ(t.form.btnJiaopai(0).left(), 485);
    EXPECT_TRUE(t.form.btnJiaopai(0).visible());
    EXPECT_TRUE(t.form.btnJiaopai(0).enabled());
}

TEST(RoundStartBranchTest, AnotherBankerArmsTheTurnCountdown) {
    Table t;
    OnRoundStart(t.ctx, roundStart(8));
    EXPECT_FALSE(t.client.hand.g_bMyTurn);
    EXPECT_FALSE(t.client.hand.Oper1_Flag);
    EXPECT_FALSE(t.client.conn.g_bOwnCountdown);
    EXPECT_TRUE(t.client.conn.slots.BongFlag[connection::kTurnSlot]);
    EXPECT_FALSE(t.form.btnJiaopai(0).visible());
}

TEST(RoundStartBranchTest, HiddenPlayKeepsTheWindowDownAndCountsFromOne) {
    Table t;
    t.client.table.g_bHiddenPlay = true;
    t.form.setWindowState(forms::window_state::kMinimized);
    OnRoundStart(t.ctx, roundStart(8));
    EXPECT_EQ(t.form.windowState(), forms::window_state::kMinimized);
    EXPECT_EQ(t.client.conn.CountDown, 1);
    EXPECT_EQ(t.form.Number.caption(), u"1"_s);

    Table shown;
    shown.form.setWindowState(forms::window_state::kMinimized);
    OnRoundStart(shown.ctx, roundStart(8));
    EXPECT_EQ(shown.form.windowState(), forms::window_state::kNormal);
}

TEST(RoundStartBranchTest, AParkedMessageGoesOutOnce) {
    Table t;
    auto& conn = t.client.conn;
    conn.HeldCmd45B.setCommand(45);
    conn.HeldCmd45B.setU8(8, 0x30);
    conn.HeldCmd45BArmed = false;
    OnRoundStart(t.ctx, roundStart(8));
    EXPECT_EQ(conn.HeldCmd45B.command(), 0);
    EXPECT_EQ(conn.SendRing.waiting(), 272);
    OnRoundStart(t.ctx, roundStart(8));
    EXPECT_EQ(conn.SendRing.waiting(), 272);
}

TEST(RoundStartBranchTest, TheWealthMultipleKeepsItsCaptionForTheSheet) {
    Table t;
    t.client.conn.WealthMultiple = 3;
    t.form.lbwealth.setCaption(u"3"_s);
    OnRoundStart(t.ctx, roundStart(8, false));
    EXPECT_EQ(t.client.conn.WealthOddsText, u"3"_s);
    EXPECT_TRUE(t.form.lbwealth.visible());
    EXPECT_TRUE(t.form.Imgwealth.visible());
}

} // namespace
} // namespace qv::hand
