#include "hand/table_reset.h"
#include "hand_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

using testing_support::HandTable;

struct Geometry {
    double left, top, width, height;
};

Geometry geometryOf(const forms::Control& c) {
    return {c.left(), c.top(), c.width(), c.height()};
}

void expectGeometry(const forms::Control& c, Geometry g) {
    EXPECT_EQ(c.left(), g.left) << c.name().toStdString();
    EXPECT_EQ(c.top(), g.top) << c.name().toStdString();
    EXPECT_EQ(c.width(), g.width) << c.name().toStdString();
    EXPECT_EQ(c.height(), g.height) << c.name().toStdString();
}

/// A table in the middle of a hand: cards, marks and records of the hand set.
void dirty(HandTable& t) {
    auto& f = t.form;
    for (int i = 0; i < 33; ++i) {
        f.cardImage0(i).setVisible(true);
        f.cardImage0(i).setEnabled(false);
        f.cardImage2(i).setVisible(true);
    }
    for (auto* c : std::initializer_list<forms::Control*>{
             &f.shanImage(1), &f.imgFaPai, &f.Operation(3), &f.Time_Img, &f.Number, &f.imgDizhu,
             &f.ImgJiaopai(0), &f.imgBaopai, &f.first(2), &f.Speak(1), &f.imgCardMove(4),
             &f.lbfont(1), &f.lbwealth, &f.Imgwealth}) {
        c->setVisible(true);
    }
    f.Bank.setVisible(false);
    auto& h = t.client.hand;
    h.PlayedImg[2][33] = 4;
    h.PrevPlayedImg[1][0] = 9;
    h.Oper1_Flag = true;
    h.paiUsed = {3, 4, 5};
    h.BombTable[1][120] = 5;
    h.BombLog[7] = 2;
    h.g_bFirstDone = true;
    h.g_bSecondDone = true;
    h.idiyiming_st = 1;
    h.idierming_st = 2;
    h.g_CallerSeat = 4;
    h.g_CallerCopies = 2;
    t.client.conn.TurnTime = 30;
    t.client.conn.ReconnectCount = 7;
    t.client.conn.ReconnectTime = 9;
    t.client.conn.g_CallTicks = 12;
    t.client.conn.g_bPropExitDeferred = true;
    t.client.conn.ResultStage = 2;
    for (auto& p : t.client.hand.custom) {
        p.sum = 12;
    }
}

TEST(TableResetTest, TheTableIsEmptyAfterwards) {
    HandTable t;
    dirty(t);
    ResetTable(t.ctx);
    auto& f = t.form;
    for (int i = 0; i < 33; ++i) {
        EXPECT_FALSE(f.cardImage0(i).visible());
        EXPECT_TRUE(f.cardImage0(i).enabled());
        EXPECT_FALSE(f.cardImage2(i).visible());
    }
    for (auto* c : std::initializer_list<forms::Control*>{
             &f.shanImage(1), &f.imgFaPai, &f.Operation(3), &f.Time_Img, &f.Number, &f.imgDizhu,
             &f.ImgJiaopai(0), &f.imgBaopai, &f.first(2), &f.Speak(1), &f.imgCardMove(4),
             &f.lbfont(1), &f.lbwealth, &f.Imgwealth}) {
        EXPECT_FALSE(c->visible()) << c->name().toStdString();
    }
    EXPECT_EQ(f.lbwealth.caption(), u"1"_s);
    EXPECT_TRUE(f.Bank.visible());
    const auto& h = t.client.hand;
    EXPECT_EQ(h.PlayedImg, decltype(h.PlayedImg){});
    EXPECT_EQ(h.PrevPlayedImg, decltype(h.PrevPlayedImg){});
    EXPECT_FALSE(h.Oper1_Flag);
    EXPECT_EQ(h.paiUsed, (std::array<std::int16_t, 3>{}));
    EXPECT_EQ(h.BombTable, decltype(h.BombTable){});
    EXPECT_EQ(h.BombLog, decltype(h.BombLog){});
    EXPECT_FALSE(h.g_bFirstDone);
    EXPECT_FALSE(h.g_bSecondDone);
    EXPECT_EQ(h.idiyiming_st, 5);
    EXPECT_EQ(h.idierming_st, 5);
    EXPECT_EQ(h.g_CallerSeat, 0);
    EXPECT_EQ(h.g_CallerCopies, 0);
    EXPECT_EQ(t.client.conn.TurnTime, 15);
    EXPECT_EQ(t.client.conn.ReconnectCount, 0);
    EXPECT_EQ(t.client.conn.ReconnectTime, 0);
    EXPECT_EQ(t.client.conn.g_CallTicks, 0);
    EXPECT_FALSE(t.client.conn.g_bPropExitDeferred);
    EXPECT_EQ(t.client.conn.ResultStage, 0);
    for (const auto& p : t.client.hand.custom) {
        EXPECT_EQ(p.sum, 0);
    }
}

TEST(TableResetTest, FullScaleGeometry) {
    HandTable t;
    ResetTable(t.ctx);
    auto& f = t.form;
    const std::array<std::pair<int, int>, 4> anchors = {
        {{500, 430}, {170, 300}, {300, 195}, {550, 300}}};
    for (std::size_t s = 0; s < 4; ++s) {
        EXPECT_EQ(t.client.hand.custom.at(s).playX, anchors.at(s).first);
        EXPECT_EQ(t.client.hand.custom.at(s).playY, anchors.at(s).second);
    }
    EXPECT_EQ(t.client.hand.g_HandBaseTop, 545);
    expectGeometry(f.cardImage0(32), {f.cardImage0(32).left(), f.cardImage0(32).top(), 90, 120});
    expectGeometry(f.shanImage(0), {0, 240, 200, 200});
    expectGeometry(f.shanImage(1), {400, 110, 200, 200});
    expectGeometry(f.shanImage(2), {800, 240, 200, 200});
    EXPECT_FALSE(f.shanImage(0).stretch());
    expectGeometry(f.imgFaPai, {462, 280, 100, 140});
    const auto& bar = f.imgDinglan;
    EXPECT_EQ(f.imgBaopai.left(), bar.left() + bar.width() - f.imgBaopai.width());
    EXPECT_EQ(f.imgBaopai.top(), bar.top() + bar.height());
}

TEST(TableResetTest, SmallScaleGeometry) {
    HandTable t({800, 600});
    ResetTable(t.ctx);
    auto& f = t.form;
    const float s = 0.78125F;
    const std::array<std::pair<int, int>, 4> anchors = {
        {{391, 336}, {133, 234}, {234, 152}, {430, 234}}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(t.client.hand.custom.at(i).playX, anchors.at(i).first);
        EXPECT_EQ(t.client.hand.custom.at(i).playY, anchors.at(i).second);
    }
    EXPECT_EQ(t.client.hand.g_HandBaseTop, 426);
    EXPECT_EQ(f.cardImage0(0).width(), 90 * s);
    EXPECT_EQ(f.cardImage0(0).height(), 120 * s);
    expectGeometry(f.shanImage(0), {0, 240 * s, 70.3125, 62.5});
    expectGeometry(f.shanImage(1), {400 * s, 110 * s, 70.3125, 62.5});
    EXPECT_TRUE(f.shanImage(2).stretch());
    expectGeometry(f.imgFaPai, {462 * s, 280 * s, 100 * s, 140 * s});
    EXPECT_TRUE(f.imgFaPai.stretch());
}

TEST(TableResetTest, ResettingTwiceIsResettingOnce) {
    for (const QSize screen : {QSize(1024, 768), QSize(800, 600)}) {
        HandTable once(screen);
        HandTable twice(screen);
        dirty(once);
        dirty(twice);
        ResetTable(once.ctx);
        ResetTable(twice.ctx);
        ResetTable(twice.ctx);
        auto& a = once.form;
        auto& b = twice.form;
        for (int k = 0; k < 3; ++k) {
            const Geometry ga = geometryOf(a.shanImage(k));
            expectGeometry(b.shanImage(k), ga);
        }
        expectGeometry(b.imgFaPai, geometryOf(a.imgFaPai));
        expectGeometry(b.imgBaopai, geometryOf(a.imgBaopai));
        expectGeometry(b.cardImage0(5), geometryOf(a.cardImage0(5)));
        EXPECT_EQ(once.client.hand.g_HandBaseTop, twice.client.hand.g_HandBaseTop);
        EXPECT_EQ(once.client.hand.custom[2].playX, twice.client.hand.custom[2].playX);
    }
}

TEST(TableResetTest, AWealthMultipleKeepsItsLabel) {
    HandTable t;
    t.client.conn.WealthMultiple = 3;
    t.form.lbwealth.setCaption(u"3"_s);
    t.form.lbwealth.setVisible(true);
    t.form.Imgwealth.setVisible(true);
    ResetTable(t.ctx);
    EXPECT_EQ(t.form.lbwealth.caption(), u"3"_s);
    EXPECT_TRUE(t.form.lbwealth.visible());
    EXPECT_TRUE(t.form.Imgwealth.visible());
}

} // namespace
} // namespace qv::hand
