#include "shop/notices.h"
#include "shop/prize_panel.h"
#include "shop_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

using testing_support::ShopTable;

/// The twelve pool labels as one text, "." for a hidden one.
QString digits(const table::MainForm& form) {
    QString shown;
    for (int i = 0; i < 12; ++i) {
        const auto& label = form.Lb_prize(i);
        shown += label.visible() ? label.caption() : u"."_s;
    }
    return shown;
}

connection::GameMessage notice(std::int16_t mode, const QString& text) {
    const bool late = mode == 7 || mode == 8;
    auto m = ShopTable::message(connection::MsgNotice, text, late ? 19 : 18);
    m.setU16le(16, static_cast<std::uint16_t>(mode));
    return m;
}

/// Runs the pump's prize steps every 50 ms for `ms`.
void pump(ShopTable& t, int ms) {
    for (int at = 0; at < ms; at += 50) {
        t.platform.time.advance(50);
        t.client.conn.pumpSteps.run(connection::PumpStep::Panels);
    }
}

TEST(PrizePool, TheFirstAmountShowsAtOnceAndANewOneRollsInDigitByDigit) {
    ShopTable t;
    t.dispatch(notice(1, u"12345"_s));
    EXPECT_EQ(digits(t.form), u".......12345"_s);
    EXPECT_FALSE(t.client.shop.PoolRolling);

    t.dispatch(notice(1, u"12400"_s));
    EXPECT_TRUE(t.client.shop.PoolRolling);
    pump(t, 50);
    EXPECT_EQ(digits(t.form), u".......00000"_s);
    // Five counts more than 200 ms apart, five more than 100 ms apart, then the digit is fixed
    // on the next tick.
    // While the rightmost digit rolls, every tick clears the labels left of the last two, so
    // the others show only on the ticks that count.
    pump(t, 4 * 250 + 5 * 150);
    EXPECT_EQ(digits(t.form), u".......99999"_s);
    pump(t, 50);
    EXPECT_EQ(digits(t.form), u"..........90"_s);
    // The next position counts from 0 again, once the wait since the last count is over.
    pump(t, 250);
    EXPECT_EQ(digits(t.form), u".......00000"_s);
    pump(t, 20'000);
    EXPECT_EQ(digits(t.form), u".......12400"_s);
    EXPECT_FALSE(t.client.shop.PoolRolling);
}

TEST(PrizePool, TheSameAmountMidRollDrawsItAtOnce) {
    ShopTable t;
    t.dispatch(notice(1, u"500"_s));
    t.dispatch(notice(1, u"777"_s));
    pump(t, 600);
    t.dispatch(notice(1, u"777"_s));
    EXPECT_FALSE(t.client.shop.PoolRolling);
    EXPECT_EQ(digits(t.form), u".........777"_s);
}

TEST(PrizePool, LongAmountsShowTheirLastTwelveDigits) {
    for (const auto& [amount, shown] : {std::pair{u"1234567890123"_s, u"234567890123"_s},
                                        std::pair{u"1234567890123456"_s, u"567890123456"_s}}) {
        ShopTable t;
        t.dispatch(notice(1, amount));
        EXPECT_EQ(digits(t.form), shown) << amount.toStdString();
    }
}

TEST(PrizePool, TheRollKeepsItsPaceAcrossTheTickCountersWrap) {
    ShopTable t({1024, 768}, {.tickMs = 0xFFFFFF00U});
    t.dispatch(notice(1, u"10"_s));
    t.dispatch(notice(1, u"20"_s));
    pump(t, 5000);
    EXPECT_EQ(digits(t.form), u"..........20"_s);
    EXPECT_FALSE(t.client.shop.PoolRolling);
}

struct NoticeCase {
    const char* name;
    std::int16_t mode;
    QString text;
    std::array<std::uint8_t, 3> rgb;
    /// What the ticker's newest line and the banner get; empty for nothing.
    QString ticker;
    /// Whether the banner gets the ticker's text too.
    bool banner;
};

class NoticeTest : public testing::TestWithParam<NoticeCase> {};

TEST_P(NoticeTest, GoesWhereItsModeSays) {
    const NoticeCase& c = GetParam();
    ShopTable t;
    auto m = notice(c.mode, c.text);
    m.setU8(9, c.rgb[0]);
    m.setU8(10, c.rgb[1]);
    m.setU8(11, c.rgb[2]);
    t.dispatch(m);
    EXPECT_EQ(t.tickerLine(), c.ticker);
    EXPECT_EQ(t.form.moveWord1.pending(), c.banner ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoticeTest,
    testing::Values(NoticeCase{"plain", 3, u"系统维护"_s, {}, u"系统维护"_s, false},
                    NoticeCase{
                        "product", 5, u"欢迎来到XX游戏XX"_s, {}, u"欢迎来到Quorvale"_s, false},
                    NoticeCase{"no_placeholder", 5, u"欢迎XX"_s, {}, u"欢迎XX"_s, false},
                    NoticeCase{"red", 6, u"XX1XX你好"_s, {255, 0, 0}, u"你好"_s, true},
                    NoticeCase{"default_colour", 6, u"XX1XX你好"_s, {}, u"你好"_s, true},
                    NoticeCase{"no_markers", 6, u"大家好"_s, {0, 255, 0}, u"大家好"_s, true},
                    NoticeCase{"overlapping", 6, u"XXX好"_s, {}, u"XXX好"_s, true}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Notices, TheBannerTakesTheMarqueeAndTheWealthModeSetsTheMultiple) {
    ShopTable t;
    t.dispatch(ShopTable::message(connection::MsgMarquee, u"冠军赛开始"_s, 16));
    t.dispatch(ShopTable::message(connection::MsgMarquee, u"   "_s, 16));
    EXPECT_EQ(t.form.moveWord1.pending(), 1);
    t.dispatch(notice(8, u"10"_s));
    EXPECT_EQ(t.form.lbwealth.caption(), u"10"_s);
    EXPECT_EQ(t.client.conn.WealthOddsText, u"10"_s);
}

TEST(Notices, ALeadByteAtTheFieldsEndTakesTheByteAfterIt) {
    connection::GameMessage m;
    m.writeBytes(16, QByteArray(239, 'a'));
    m.setU8(255, 0xC4);
    m.setU8(256, 0xE3);
    m.setU8(257, 'z');
    EXPECT_EQ(MatchText(m, 16), QString(239, u'a') + u"你"_s);
}

struct OwnPrizeCase {
    QString text;
    double prize;
    QString jade;
    bool jadeShown;
    bool pending;
};

TEST(Notices, TheOwnPrizeSetsTheRewardsAndLeavesThePoolsRollAlone) {
    const std::vector<OwnPrizeCase> cases{
        {u"0;3939;1;5"_s, 3939, u"5"_s, true, true},
        {u"0;800;1;0;"_s, 0, u"0"_s, false, false},
        {u"0;5000"_s, 5000, {}, false, true},
        {u"a;b;c;d"_s, 0, u"d"_s, false, false},
    };
    for (const OwnPrizeCase& c : cases) {
        ShopTable t;
        t.dispatch(notice(1, u"100"_s));
        t.dispatch(notice(1, u"200"_s));
        ApplyNotice(t.ctx, DecodeNotice(notice(7, c.text)).value());
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(t.client.shop.NewMyPrize, c.prize);
        EXPECT_EQ(t.client.shop.JadeRewardText, c.jade);
        EXPECT_EQ(t.client.shop.JadeShowing, c.jadeShown);
        EXPECT_EQ(t.form.APNG_Jadefinish.visible(), c.jadeShown);
        EXPECT_EQ(t.client.shop.MyPrizePending, c.pending);
        EXPECT_TRUE(t.client.shop.PoolRolling);
    }
}

TEST(PrizeBar, AsksForThePoolOnlyAtAnOrdinaryTable) {
    ShopTable t;
    Send95(t.ctx);
    t.client.conn.match.G_MatchType = 2;
    Send95(t.ctx);
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    connection::GameMessage expected;
    expected.setCommand(95);
    EXPECT_EQ(sent[0].bytes(), expected.bytes());
}

TEST(PrizeBar, TheDigitAreaOpensTheChipBoxAndClosesOnlyWhatItOpened) {
    ShopTable t;
    Pic_prize_MouseMove(t.ctx, 2160, 200);
    EXPECT_TRUE(t.form.Pic_chipinfo.visible());
    EXPECT_EQ(t.form.Pic_chipinfo.tag(), u"1"_s);
    Pic_prize_MouseMove(t.ctx, 2161, 200);
    EXPECT_FALSE(t.form.Pic_chipinfo.visible());

    t.form.Img_yan.events.click();
    Pic_prize_MouseMove(t.ctx, 2161, 200);
    EXPECT_TRUE(t.form.Pic_chipinfo.visible());
    EXPECT_EQ(t.form.Pic_chipinfo.tag(), u"0"_s);
}

TEST(PrizeBar, IsLaidOutAtBothScales) {
    for (const QSize screen : {QSize(1024, 768), QSize(800, 600)}) {
        ShopTable t(screen);
        const double s = t.client.table.ScaleX;
        SCOPED_TRACE(screen.width());
        EXPECT_DOUBLE_EQ(t.form.Pic_prize.left(), 104 * s);
        EXPECT_DOUBLE_EQ(t.form.Pic_prize.top(), 654 * t.client.table.ScaleY);
        EXPECT_EQ(t.form.Pic_prize.width(), 528);
        EXPECT_EQ(t.form.Lb_prize(11).left(), 350 + 150 * 11);
        EXPECT_EQ(t.form.Txt_chip.left(), 3800);
        EXPECT_DOUBLE_EQ(t.form.Pic_chipinfo.left(), 300 * s);
        EXPECT_DOUBLE_EQ(t.form.Pic_prizesort.width(), 718 * s);
        EXPECT_DOUBLE_EQ(t.form.bt_prizesort.left(), 930 * s);
        EXPECT_DOUBLE_EQ(t.form.APNG_prizenum(10).left(),
                         t.form.APNG_prize.left() + (140 + 400) * s);
        EXPECT_EQ(t.form.moveWord1.font().pointSize(), s < 1 ? 10 : 12);
    }
}

} // namespace
} // namespace qv::shop
