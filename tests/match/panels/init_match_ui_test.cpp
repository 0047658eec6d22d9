#include "match/panels/init_match_ui.h"
#include "panels_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::match::panels {
namespace {

using testing_support::kLargeScreen;
using testing_support::kSmallScreen;
using testing_support::PanelsTable;

class InitMatchUiAtScale : public ::testing::TestWithParam<QSize> {};

INSTANTIATE_TEST_SUITE_P(Screens, InitMatchUiAtScale,
                         ::testing::Values(kLargeScreen, kSmallScreen));

TEST_P(InitMatchUiAtScale, PlacesTableButtonsByScaleAndPanelsByDesign) {
    PanelsTable t(GetParam());
    auto& f = t.form;
    const double s = t.scale();
    const double drop = s < 1.0 ? 2 : 0;
    initMatchUI(f);

    EXPECT_DOUBLE_EQ(f.ImgShowMatch.left(), 3 * s);
    EXPECT_DOUBLE_EQ(f.ImgShowMatch.top(), 445 * s);
    // The arrow's 94 pixels are not scaled.
    EXPECT_DOUBLE_EQ(f.ImgOpenMatchBtn.left(), 3 * s + 94);
    EXPECT_DOUBLE_EQ(f.ImgOpenMatchBtn.top(), 445 * s);
    EXPECT_DOUBLE_EQ(f.ImgShowSort.left(), 3 * s);
    EXPECT_DOUBLE_EQ(f.ImgShowSort.top(), 445 * s + f.ImgShowMatch.height() + 2 * s);
    EXPECT_EQ(f.moveWord1.pixelRect(), QRectF(156 * s, 97 * s, 728 * s, 25 * s));
    EXPECT_EQ(f.moveWord1.font().pointSize(), s < 1.0 ? 10 : 12);
    EXPECT_EQ(f.ImgShowMatch.iCaption(), u"Quorvale"_s);
    EXPECT_EQ(f.ImgShowMatch.iFontSize(), 12);
    EXPECT_EQ(f.ImgShowSort.iCaption(), u" "_s);
    EXPECT_EQ(f.ImgShowSort.iFontSize(), 10);

    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(f.ImgMatch(k).pixelRect(), QRectF(15, 55 + 65 * k, 324, 52));
        EXPECT_EQ(f.LblMathName(k).pixelRect(), QRectF(25, 60 + 65 * k, 175, 25));
        EXPECT_DOUBLE_EQ(f.LblMathStart(k).left(), 202);
        EXPECT_DOUBLE_EQ(f.LblMathLeft(k).top(), 85 + drop + 65 * k);
        EXPECT_DOUBLE_EQ(f.LblMathLeft(k).width(), 175);
        EXPECT_DOUBLE_EQ(f.LblMathNum(k).top(), f.LblMathLeft(k).top());
    }
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_DOUBLE_EQ(f.LblShowTip(k).left(), 377);
        EXPECT_DOUBLE_EQ(f.LblShowTip(k).top(), 53 + 18 * k);
        EXPECT_DOUBLE_EQ(f.LblShowInfo(k).top(), 53 + 18 * k);
        EXPECT_GT(f.LblShowInfo(k).left(), f.LblShowTip(k).left());
    }
    const double noteTop = f.LblShowTip(3).top() + f.LblShowTip(3).height() + 20 + drop;
    EXPECT_EQ(f.LblNote.pixelRect(), QRectF(380, noteTop, 196, 78));
    EXPECT_DOUBLE_EQ(f.LblPrizeTip.top(), noteTop + 78 + 5);
    EXPECT_DOUBLE_EQ(f.LblPrizeInfo(0).top(), noteTop + 78 + 9 + drop);
    for (int n = 3; n < 7; ++n) {
        EXPECT_EQ(f.LblInfoLMatch(n).pixelRect().topLeft(), QPointF(96, 60 + 27 * (n - 3)));
    }
    EXPECT_EQ(f.LblInfoLMatch(0).pixelRect(), QRectF(10, 5, 175, 25));
    EXPECT_DOUBLE_EQ(f.LblInfoLMatch(2).top(), 30 + drop);
    EXPECT_EQ(f.ImgCloseList(0).pixelRect().topLeft(), QPointF(584, 3));
    EXPECT_EQ(f.ImgCloseList(1).pixelRect().topLeft(), QPointF(584, 3));
    EXPECT_EQ(f.ImgUppage(0).pixelRect(), QRectF(177, 372, 46, 24));
    EXPECT_EQ(f.ImgDownpage(1).pixelRect(), QRectF(310, 310, 13, 13));
    EXPECT_EQ(f.LblSortInfo(2).pixelRect(), QRectF(486, 185, 58, 20));
    EXPECT_EQ(f.ListSort.pixelRect(), QRectF(23, 68, 300, 320));
    EXPECT_EQ(f.LMatchShow.pixelRect().size(), QSizeF(324, 166));
}

TEST(InitMatchUi, FirstRunBuildsOnceAndHidesThePanels) {
    PanelsTable t;
    auto& f = t.form;
    f.Pic_matchDetail.setVisible(true);
    initMatchUI(f);
    EXPECT_FALSE(f.Pic_matchDetail.visible());
    EXPECT_FALSE(f.Pic_sortDetail.visible());
    EXPECT_FALSE(f.ImgShowMatch.visible());

    // A later run adds nothing and leaves an open panel open.
    f.Pic_matchDetail.setVisible(true);
    f.ImgShowMatch.setVisible(true);
    initMatchUI(f);
    EXPECT_EQ(f.ImgMatch.count(), 5);
    EXPECT_EQ(f.LblMathNum.count(), 5);
    EXPECT_EQ(f.LblShowTip.count(), 4);
    EXPECT_EQ(f.LblShowInfo.count(), 4);
    EXPECT_EQ(f.LblInfoLMatch.count(), 7);
    EXPECT_TRUE(f.Pic_matchDetail.visible());
    EXPECT_TRUE(f.ImgShowMatch.visible());
}

TEST(InitMatchUi, EveryRunEmptiesThePanels) {
    PanelsTable t;
    auto& f = t.form;
    initMatchUI(f);
    // What the list, the detail and the ranking leave behind.
    f.LblMathName(3).setCaption(u"Quorvale杯"_s);
    f.LblMathName(3).setTag(u"7"_s);
    f.ImgMatch(2).setTag(u"1"_s);
    f.LblShowName.setCaption(u"Quorvale杯"_s);
    f.LblShowTip(1).setVisible(true);
    f.LblPrizeInfo.load(5).setCaption(u"第1名: 100"_s);
    f.LblPrizeInfo(5).setVisible(true);
    f.LblPrizeTip.setVisible(true);
    f.Pic_matchDetail.setTag(u"2"_s);
    f.LblshowPage(0).setCaption(u"2/3"_s);
    f.ImgUppage(0).setEnabled(true);
    f.ImgDownpage(1).setEnabled(true);
    f.ImgDownpage(1).setVisible(true);
    f.LblshowPage(1).setVisible(true);
    f.ImgRefresh.setEnabled(true);
    f.ImgRefresh.setVisible(true);
    f.ImgRefresh.setTag(u"0"_s);
    f.ListSort.addItem(u"x"_s);
    f.ListSort.setTag(u"9"_s);
    f.LblSortInfo(0).setTag(u"2"_s);
    f.LblSortInfo(4).setCaption(u"比赛规则："_s);
    f.LMatchShow.setVisible(true);
    f.LblInfoLMatch(5).setCaption(u"冠军"_s);
    f.ImgOpenMatchBtn.setVisible(true);
    f.ImgOpenMatchBtn.setEnabled(true);
    f.ImgCloseList(1).setTag(u"1"_s);

    initMatchUI(f);

    EXPECT_EQ(f.LblMathName(3).caption(), QString());
    EXPECT_EQ(f.LblMathName(3).tag(), QString());
    EXPECT_EQ(f.ImgMatch(2).tag(), u"0"_s);
    EXPECT_EQ(f.LblShowName.caption(), QString());
    EXPECT_FALSE(f.LblShowTip(1).visible());
    EXPECT_EQ(f.LblPrizeInfo(5).caption(), QString());
    EXPECT_FALSE(f.LblPrizeInfo(5).visible());
    EXPECT_FALSE(f.LblPrizeTip.visible());
    EXPECT_EQ(f.Pic_matchDetail.tag(), QString());
    EXPECT_EQ(f.LblshowPage(0).caption(), u"1/1"_s);
    EXPECT_EQ(f.LblshowPage(1).caption(), u"1/1"_s);
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(f.ImgUppage(i).enabled());
        EXPECT_FALSE(f.ImgDownpage(i).enabled());
        EXPECT_EQ(f.ImgCloseList(i).tag(), u"0"_s);
    }
    EXPECT_TRUE(f.ImgUppage(0).visible());
    EXPECT_FALSE(f.ImgDownpage(1).visible());
    EXPECT_FALSE(f.LblshowPage(1).visible());
    EXPECT_FALSE(f.ImgRefresh.visible());
    EXPECT_FALSE(f.ImgRefresh.enabled());
    EXPECT_EQ(f.ImgRefresh.tag(), u"2"_s);
    EXPECT_EQ(f.ListSort.listCount(), 0);
    EXPECT_EQ(f.ListSort.tag(), QString());
    EXPECT_EQ(f.LblSortInfo(0).tag(), QString());
    EXPECT_EQ(f.LblSortInfo(4).caption(), QString());
    EXPECT_FALSE(f.LMatchShow.visible());
    EXPECT_EQ(f.LblInfoLMatch(5).caption(), QString());
    EXPECT_FALSE(f.ImgOpenMatchBtn.visible());
    EXPECT_FALSE(f.ImgOpenMatchBtn.enabled());
}

} // namespace
} // namespace qv::match::panels
