#include "match/panels/match_list.h"
#include "panels_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::match::panels {
namespace {

using testing_support::definition;
using testing_support::PanelsTable;
using testing_support::run;

/// A table with one run in its list and the tournament button shown.
struct OpeningTable : PanelsTable {
    OpeningTable() {
        loaded({definition(5, u"周赛"_s)});
        runs({run(5, u"12-08 18:00:00"_s)});
        rows({run(5, u"12-08 18:00:00"_s)});
        form.ImgShowMatch.setVisible(true);
    }
    [[nodiscard]] QRectF target() const {
        return {(form.Pic1.scaleWidth() - 620) / 2, (form.Pic1.scaleHeight() - 400) / 2, 620, 400};
    }
    [[nodiscard]] QRectF panel() const { return form.Pic_matchDetail.pixelRect(); }
};

TEST(MatchPanelOpening, GrowsInTenStepsFromTheButtonToTheCentre) {
    OpeningTable t;
    auto& f = t.form;
    const QPointF from(f.ImgShowMatch.left(), f.ImgShowMatch.top());
    t.click(f.ImgShowMatch);
    EXPECT_TRUE(t.state().ShowMatchBusy);
    EXPECT_FALSE(f.Pic_matchDetail.visible());
    EXPECT_EQ(t.panel(), QRectF(from, QSizeF(62, 40)));
    EXPECT_EQ(f.LblShowName.tag(), u"1"_s);
    const QRectF target = t.target();
    for (int step = 1; step <= 10; ++step) {
        SCOPED_TRACE(step);
        t.platform.time.advance(19);
        EXPECT_EQ(t.panel().width(), step == 1 ? 62 : 62 * (step - 1));
        t.platform.time.advance(1);
        EXPECT_TRUE(f.Pic_matchDetail.visible());
        EXPECT_DOUBLE_EQ(t.panel().width(), 62 * step);
        EXPECT_DOUBLE_EQ(t.panel().height(), 40 * step);
        EXPECT_NEAR(t.panel().left(), from.x() + step * (target.left() - from.x()) / 10, 1e-9);
        if (step == 5) {
            // A second press while the panel grows is ignored.
            t.click(f.ImgShowMatch);
            EXPECT_TRUE(f.Pic_matchDetail.visible());
        }
    }
    EXPECT_EQ(t.panel(), target);
    EXPECT_FALSE(t.state().ShowMatchBusy);
    t.click(f.ImgShowMatch);
    EXPECT_FALSE(f.Pic_matchDetail.visible());
}

TEST(MatchPanelOpening, LeavingTheTableStopsItHidden) {
    OpeningTable t;
    auto& f = t.form;
    t.click(f.ImgShowMatch);
    t.platform.time.advance(60);
    EXPECT_TRUE(f.Pic_matchDetail.visible());
    t.state().g_bLeavingTable = true;
    t.platform.time.advance(20);
    EXPECT_FALSE(f.Pic_matchDetail.visible());
    EXPECT_DOUBLE_EQ(t.panel().width(), 62 * 3);
    EXPECT_FALSE(t.state().ShowMatchBusy);
    t.platform.time.advance(400);
    EXPECT_FALSE(f.Pic_matchDetail.visible());
}

TEST(MatchPanelOpening, TheRankingPanelClosesWhenTheMatchPanelOpens) {
    OpeningTable t;
    t.form.Pic_sortDetail.setVisible(true);
    t.click(t.form.ImgShowMatch);
    EXPECT_FALSE(t.form.Pic_sortDetail.visible());
}

TEST(PanelInput, ADragMovesOnlyFromFivePixelsOrOnRelease) {
    for (const bool ranking : {false, true}) {
        SCOPED_TRACE(ranking);
        OpeningTable t;
        auto& f = t.form;
        forms::PictureBox& panel = ranking ? f.Pic_sortDetail : f.Pic_matchDetail;
        panel.move(100, 100, 620, 400);
        panel.setVisible(true);
        const QPointF press = t.at(panel, {340, 30});
        t.router.mousePress(press, 1, 0);
        t.router.mouseMove(press + QPointF(4, 4), 1, 0);
        EXPECT_EQ(panel.pixelRect().topLeft(), QPointF(100, 100));
        t.router.mouseRelease(press + QPointF(4, 4), 1, 0);
        EXPECT_EQ(panel.pixelRect().topLeft(), QPointF(104, 104));

        const QPointF again = t.at(panel, {340, 30});
        t.router.mousePress(again, 1, 0);
        t.router.mouseMove(again + QPointF(10, -6), 1, 0);
        EXPECT_EQ(panel.pixelRect().topLeft(), QPointF(114, 98));
        t.router.mouseRelease(again + QPointF(10, -6), 1, 0);
        EXPECT_EQ(panel.pixelRect().topLeft(), QPointF(114, 98));
    }
}

TEST(PanelInput, EscClosesThePanelWithTheFocus) {
    for (const bool ranking : {false, true}) {
        OpeningTable t;
        auto& f = t.form;
        forms::PictureBox& panel = ranking ? f.Pic_sortDetail : f.Pic_matchDetail;
        panel.move(100, 100, 620, 400);
        panel.setVisible(true);
        ASSERT_TRUE(panel.setFocus());
        t.router.keyDown(65, 0);
        EXPECT_TRUE(panel.visible());
        t.router.keyDown(27, 0);
        EXPECT_FALSE(panel.visible());
    }
}

} // namespace
} // namespace qv::match::panels
