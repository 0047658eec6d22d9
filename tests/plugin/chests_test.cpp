#include "plugin/chests.h"
#include "plugin/mod_prop.h"
#include "plugin_fixture.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::plugin {
namespace {

using testing_support::PluginTable;

std::vector<std::uint8_t> png(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

platform::ChestLayout layout(std::int16_t steps) {
    platform::ChestLayout l;
    for (std::size_t i = 0; i < l.Prop_BaoPos.size(); ++i) {
        l.Prop_BaoPos.at(i) = {static_cast<std::int32_t>(100 + 100 * (i % 5)),
                               static_cast<std::int32_t>(200 + 80 * (i / 5))};
    }
    l.Prop_BaoCentre = {500, 400};
    l.Prop_BaoSeatDest = {450, 800, 450, 100, 600, 300, 100, 300};
    l.Prop_BaoLabelAt = {500, 150};
    l.Prop_BaoAnim = {100, steps};
    l.Prop_BaoClosedSize = {80, 60};
    l.Prop_BaoPicClosed = png(80, 60);
    l.Prop_BaoOpenSize = {100, 80};
    l.Prop_BaoPicOpen = png(100, 80);
    return l;
}

/// A table whose plug-in has chests and a result for the hand as `seats` says.
struct ChestTable : PluginTable {
    explicit ChestTable(const std::string& seats, std::int16_t steps = 10)
        : PluginTable("chests 1\n" + seats) {
        plugin().script.layout = layout(steps);
        load();
        secondResult();
        resultAnnounced();
    }
    /// The countdown's label after each of `seconds` seconds.
    std::vector<QString> countDown(int seconds) {
        std::vector<QString> captions;
        for (int s = 0; s < seconds; ++s) {
            tick(20);
            captions.push_back(form.LbProp.caption());
        }
        return captions;
    }
    /// Lets the opening show and the slides run out.
    void finishShow() { platform.time.advance(5000); }
    std::size_t opened() { return plugin().callsOf("ShowGif").size(); }
};

TEST(Chests, WithoutAClickTheCountdownOpensTheChestItDraws) {
    const std::vector<std::pair<double, int>> cases{{0, 0},     {0.125, 0}, {0.126, 1},
                                                    {0.375, 2}, {0.625, 2}, {0.875, 4}};
    for (const auto& [r, chest] : cases) {
        ChestTable t("seat 0 1500 我 金币1500");
        t.draws = {r};
        t.tick();
        ASSERT_TRUE(t.form.ImgProp(chest).enabled());
        EXPECT_EQ(t.form.LbProp.caption(), u"请选择一个宝箱打开\r\n5"_s);
        const auto captions = t.countDown(5);
        EXPECT_EQ(captions.front(), u"请选择一个宝箱打开\r\n4"_s);
        EXPECT_EQ(t.client.plugin.Prop_BaoChs[0], chest) << r;
        for (int i = 0; i < 5; ++i) {
            EXPECT_FALSE(t.form.ImgProp(i).enabled()) << "the group goes with the opening";
        }
        EXPECT_EQ(t.sheets, 0);
        t.finishShow();
        EXPECT_EQ(t.sheets, 1);
        EXPECT_EQ(t.plugin().callsOf("ShowGif").back().args, (std::vector<std::string>{"1", "0"}));
    }
}

TEST(Chests, OnlyTheFirstClickOpensEvenDuringTheSlide) {
    ChestTable t("seat 0 1500 我 金币1500");
    t.tick();
    t.platform.time.startTimer(20, [&t] { t.form.ImgProp.events.click(3); });
    t.form.ImgProp.events.click(1);
    EXPECT_EQ(t.client.plugin.Prop_BaoChs[0], 1);
    EXPECT_EQ(t.opened(), 1U);
    t.form.ImgProp.events.click(2);
    t.finishShow();
    EXPECT_EQ(t.opened(), 2U) << "one start and one end";
    EXPECT_EQ(t.sheets, 1);
}

TEST(Chests, OtherSeatsChestsOpenAtTwoSecondsInSeatOrder) {
    ChestTable t("seat 1 10 甲 -\nseat 2 20 乙 -\nseat 3 30 丙 -");
    t.draws = {0, 0.5, 0.875};
    t.tick();
    EXPECT_EQ(t.client.plugin.Prop_BaoChs, (std::array<int, 4>{-1, 0, 7, 14}));
    for (int i = 0; i < 15; ++i) {
        EXPECT_TRUE(t.form.ImgProp(i).visible()) << i;
        EXPECT_FALSE(t.form.ImgProp(i).enabled()) << i;
    }
    EXPECT_EQ(t.form.LbProp.caption(), u"请等待其他玩家打开宝箱\r\n5"_s);
    const auto captions = t.countDown(3);
    EXPECT_EQ(captions[0], u"请等待玩家打开宝箱\r\n4"_s);
    EXPECT_EQ(t.opened(), 1U) << "opened when the caption reached 2";
    t.finishShow();
    EXPECT_EQ(t.sheets, 1);
    EXPECT_EQ(t.form.ImgProp(7).left(), 450);
    EXPECT_EQ(t.form.ImgProp(7).top(), 100) << "seat 2's chest ends at seat 2";
}

TEST(Chests, TheGoldCountsUpInStepsAndTheFinalTextGoesToTheLog) {
    ChestTable t("seat 0 1500 我 金币1500|经验20\nseat 1 -40 他 -");
    t.tick();
    t.form.ImgProp.events.click(0);
    QStringList captions;
    for (int step = 0; step < 10; ++step) {
        t.platform.time.advance(100);
        captions.append(t.form.LbProp.caption());
    }
    EXPECT_EQ(captions[0], u"我0   金币\r\n他0   金币"_s);
    EXPECT_EQ(captions[1], u"我150 金币\r\n他0   金币"_s);
    EXPECT_EQ(captions[8], u"我1200金币\r\n他0   金币"_s);
    EXPECT_EQ(captions[9], u"我1500金币\r\n金币1500\r\n经验20\r\n他-40 金币"_s);
    EXPECT_EQ(t.form.LbProp.foreColor(), 65535U);
    t.finishShow();
    EXPECT_EQ(t.sheets, 1);
}

TEST(Chests, APlayerWithANameOnlyGivesUpAndALaterClickSettlesNothing) {
    ChestTable t("seat 0 0 我 -");
    t.tick();
    ASSERT_TRUE(t.form.ImgProp(0).enabled());
    const auto captions = t.countDown(3);
    EXPECT_EQ(captions[0], u"请等待玩家打开宝箱\r\n4"_s);
    EXPECT_EQ(captions[1], u"请等待玩家打开宝箱\r\n3"_s);
    EXPECT_EQ(t.opened(), 1U) << "given up at 2";
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(t.form.ImgProp(i).visible());
        EXPECT_FALSE(t.form.ImgProp(i).enabled());
    }
    t.finishShow();
    EXPECT_EQ(t.sheets, 1);
    t.form.ImgProp.events.click(2);
    t.finishShow();
    EXPECT_EQ(t.sheets, 1);
}

TEST(Chests, ALayoutOfNoStepsTakesOneAndABadLayoutShowsTheSheetAtOnce) {
    ChestTable none("seat 0 1500 我 -", 0);
    none.tick();
    none.form.ImgProp.events.click(0);
    none.finishShow();
    EXPECT_EQ(none.sheets, 1);
    EXPECT_EQ(none.form.LbProp.caption(), u"我1500金币"_s);

    ChestTable bad("seat 0 1500 我 -");
    bad.client.plugin.chests.Prop_BaoPicClosed.clear();
    bad.tick();
    EXPECT_EQ(bad.sheets, 1);
    EXPECT_FALSE(bad.form.ImgProp(0).visible());
}

TEST(Chests, AShowCutShortByAClosedPlugInStillBringsTheSheet) {
    ChestTable t("seat 0 1500 我 -");
    t.tick();
    t.form.ImgProp.events.click(0);
    t.client.modProp.ExitPropPlugin(0);
    t.tick();
    t.finishShow();
    EXPECT_EQ(t.sheets, 1);
    EXPECT_FALSE(t.form.LbProp.visible());
}

} // namespace
} // namespace qv::plugin
