#include "connection/commands.h"
#include "match/panels/match_detail.h"
#include "match/panels/match_list.h"
#include "panels_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::match::panels {
namespace {

using testing_support::definition;
using testing_support::PanelsTable;
using testing_support::run;

/// A table whose runs are linked and whose display rows are `count` runs of id 5.
struct ListTable : PanelsTable {
    explicit ListTable(int count) {
        loaded({definition(5, u"周赛"_s)});
        runs({run(5, u"12-08 18:00:00"_s)});
        std::vector<CurMatchRec> shown;
        for (int i = 1; i <= count; ++i) {
            shown.push_back(run(5, u"12-0%1 18:00:00"_s.arg(i)));
        }
        rows(shown);
    }
    bool fill(int& page) { return InitCurMatchShow(ctx(), page); }
};

struct PageCase {
    int rows;
    int asked;
    int shown;
    QString caption;
    bool paged;
    int rowsOnPage;
};

class ListPage : public ::testing::TestWithParam<PageCase> {};

INSTANTIATE_TEST_SUITE_P(Pages, ListPage,
                         ::testing::Values(PageCase{7, 1, 1, u"1/2"_s, true, 5},
                                           PageCase{7, 2, 2, u"2/2"_s, true, 2},
                                           PageCase{7, 9, 2, u"2/2"_s, true, 2},
                                           PageCase{7, 0, 1, u"1/2"_s, true, 5},
                                           PageCase{5, 1, 1, u"1/1"_s, false, 5},
                                           PageCase{11, 3, 3, u"3/3"_s, true, 1}));

TEST_P(ListPage, ShowsThePageInRangeAndWritesItBack) {
    const PageCase c = GetParam();
    ListTable t(c.rows);
    auto& f = t.form;
    int page = c.asked;
    ASSERT_TRUE(t.fill(page));
    EXPECT_EQ(page, c.shown);
    EXPECT_EQ(f.Pic_matchDetail.tag(), QString::number(c.shown));
    EXPECT_EQ(f.LblshowPage(0).caption(), c.caption);
    EXPECT_EQ(f.LblshowPage(0).visible(), c.paged);
    EXPECT_EQ(f.ImgUppage(0).visible(), c.paged);
    EXPECT_EQ(f.ImgDownpage(0).enabled(), c.paged);
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        const bool filled = k < c.rowsOnPage;
        EXPECT_EQ(f.ImgMatch(k).visible(), filled);
        const int index = (c.shown - 1) * 5 + k + 1;
        EXPECT_EQ(f.LblMathStart(k).tag(), filled ? QString::number(index) : QString());
        EXPECT_EQ(f.LblMathStart(k).caption(),
                  filled ? u"12-0%1 18:00:00"_s.arg(index) : QString());
        EXPECT_EQ(f.LblMathName(k).caption(), filled ? u"Quorvale周赛"_s : QString());
        EXPECT_EQ(f.LblMathName(k).tag(), filled ? u"5"_s : QString());
    }
}

TEST(ListRows, CountdownAndCountFollowTheRunState) {
    struct Case {
        std::int32_t leftSecs;
        std::uint8_t runState;
        QString left;
        QString count;
    };
    const std::vector<Case> cases{
        {3661, 0, u"距离开赛时间：1小时1分1秒"_s, u"12人已报名"_s},
        {3661, 1, u"距离结束时间：1小时1分1秒"_s, u"12人已报名"_s},
        {3661, 2, QString(), QString()},
        {0, 0, QString(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left.toStdString());
        ListTable t(1);
        CurMatchRec r = run(5, u"12-08 18:00:00"_s);
        r.LeftSecs = c.leftSecs;
        r.RunState = c.runState;
        t.rows({r});
        int page = 1;
        ASSERT_TRUE(t.fill(page));
        EXPECT_EQ(t.form.LblMathLeft(0).caption(), c.left);
        EXPECT_EQ(t.form.LblMathNum(0).caption(), c.count);
        EXPECT_EQ(t.form.LblMathName(0).caption(), u"Quorvale周赛"_s);
    }
}

TEST(ListRows, NothingToFillLeavesThePageTagEmpty) {
    ListTable t(0);
    int page = 1;
    EXPECT_FALSE(t.fill(page));
    EXPECT_EQ(t.form.Pic_matchDetail.tag(), QString());
    t.runs({});
    EXPECT_FALSE(t.fill(page));
}

/// A champion row of run 5: the player's last run `played`, the champion's `lastRun`.
CurMatchRec champion(const QString& played, const QString& lastRun, std::int16_t place,
                     MatchPrizeTable prizes) {
    CurMatchRec r = run(5, lastRun);
    r.CLastFlg = true;
    r.LStratTime = {played, 0};
    r.LastRunTime = {lastRun, 0};
    r.Place = place;
    r.LastPrizeTable = std::move(prizes);
    r.nike = u"冠军甲"_s;
    r.LFirstPri = u"500金币"_s;
    return r;
}

TEST(ListRows, AChampionRowShowsThePlayersPlaceAndPrize) {
    const MatchPrizeTable prizes{{u"第1名"_s, u"500金币"_s, {}}, {u"第a-b名"_s, u"坏的"_s, {}},
                                 {u"第x名"_s, u"坏的"_s, {}},    {u"第名"_s, u"坏的"_s, {}},
                                 {QString(), u"坏的"_s, {}},     {u"第4-10名"_s, u"100金币"_s, {}}};
    struct Case {
        QString played;
        std::int16_t place;
        QString start;
        QString placeText;
        QString prize;
    };
    const std::vector<Case> cases{
        {u"12-01 18:00:00"_s, 5, u"12-01 18:00:00"_s, u"第5名"_s, u"100金币"_s},
        {u"12-01 18:00:00"_s, 20, u"12-01 18:00:00"_s, u"第20名"_s, u"无"_s},
        {u"11-24 18:00:00"_s, 5, u"12-01 18:00:00"_s, u"未参赛"_s, u"未参赛"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.placeText.toStdString());
        ListTable t(0);
        t.rows({run(5, u"12-08 18:00:00"_s),
                champion(c.played, u"12-01 18:00:00"_s, c.place, prizes)});
        int page = 1;
        ASSERT_TRUE(t.fill(page));
        auto& f = t.form;
        EXPECT_TRUE(f.LMatchShow.visible());
        EXPECT_EQ(f.LMatchShow.pixelRect().topLeft(), f.ImgMatch(1).pixelRect().topLeft());
        EXPECT_EQ(f.LblInfoLMatch(0).caption(), u"Quorvale周赛"_s);
        EXPECT_EQ(f.LblInfoLMatch(1).caption(), c.start);
        EXPECT_EQ(f.LblInfoLMatch(2).caption(), u"已结束"_s);
        EXPECT_EQ(f.LblInfoLMatch(3).caption(), c.placeText);
        EXPECT_EQ(f.LblInfoLMatch(4).caption(), c.prize);
        EXPECT_EQ(f.LblInfoLMatch(5).caption(), u"冠军甲"_s);
        EXPECT_EQ(f.LblInfoLMatch(6).caption(), u"500金币"_s);
        // The champion row takes no click.
        EXPECT_EQ(f.LblMathStart(1).tag(), QString());
    }
}

TEST(ListRows, TwoChampionRowsOnAPageShareTheOneBox) {
    ListTable t(0);
    t.rows({champion(u"12-01 18:00:00"_s, u"12-01 18:00:00"_s, 1, {}), run(5, u"12-08 18:00:00"_s),
            champion(u"11-24 18:00:00"_s, u"11-24 18:00:00"_s, 2, {})});
    int page = 1;
    ASSERT_TRUE(t.fill(page));
    EXPECT_EQ(t.form.LMatchShow.pixelRect().topLeft(), t.form.ImgMatch(2).pixelRect().topLeft());
    EXPECT_EQ(t.form.LblInfoLMatch(1).caption(), u"11-24 18:00:00"_s);
}

TEST(ListLinking, AFailedLinkLeavesNoRunLinkedAndTheNextFillTriesAgain) {
    PanelsTable t;
    t.loaded({definition(5, u"周赛"_s), definition(7, u"月赛"_s)});
    t.runs({run(5, u"12-08 18:00:00"_s, 0), run(6, u"12-09 18:00:00"_s, 0),
            run(7, u"12-10 18:00:00"_s, 0)});
    int page = 1;
    EXPECT_FALSE(InitCurMatchShow(t.ctx(), page));
    for (const CurMatchRec& r : t.state().CurMatch) {
        EXPECT_EQ(r.DefIndex, 0);
    }
    EXPECT_FALSE(t.form.ImgMatch(0).visible());

    t.state().AllMatch.push_back(definition(6, u"日赛"_s));
    ASSERT_TRUE(InitCurMatchShow(t.ctx(), page));
    EXPECT_EQ(t.form.LblMathName(0).caption(), u"Quorvale周赛"_s);
    EXPECT_EQ(t.form.LblMathName(1).caption(), u"Quorvale日赛"_s);
    EXPECT_EQ(t.form.LblMathName(2).caption(), u"Quorvale月赛"_s);
    EXPECT_EQ(t.form.ImgMatchListName.iCaption(), u"月赛"_s);
    EXPECT_EQ(t.form.ImgShowMatch.iCaption(), u"Quorvale."_s);
}

TEST(ListPaging, TheArrowsStayWithinTheList) {
    ListTable t(7);
    auto& f = t.form;
    f.Pic_matchDetail.setVisible(true);
    int page = 1;
    ASSERT_TRUE(t.fill(page));
    t.click(f.ImgUppage(0));
    EXPECT_EQ(f.Pic_matchDetail.tag(), u"1"_s);
    t.click(f.ImgDownpage(0));
    EXPECT_EQ(f.Pic_matchDetail.tag(), u"2"_s);
    EXPECT_EQ(f.LblShowName.tag(), u"6"_s);
    t.click(f.ImgDownpage(0));
    EXPECT_EQ(f.Pic_matchDetail.tag(), u"2"_s);
    t.click(f.ImgUppage(0));
    EXPECT_EQ(f.Pic_matchDetail.tag(), u"1"_s);
    EXPECT_EQ(f.LblShowName.tag(), u"1"_s);
}

TEST(ListClicks, SignUpGoesOutForTheShownRowAndRowClicksShowTheirRun) {
    ListTable t(0);
    auto& f = t.form;
    CurMatchRec second = run(6, u"12-09 18:00:00"_s);
    second.DefIndex = 1;
    t.rows({champion(u"12-01 18:00:00"_s, u"12-01 18:00:00"_s, 1, {}), run(5, u"12-08 18:00:00"_s),
            second});
    f.Pic_matchDetail.setVisible(true);
    int page = 1;
    ASSERT_TRUE(t.fill(page));
    t.click(f.LblMathNum(2));
    EXPECT_EQ(f.LblShowName.tag(), u"3"_s);
    ASSERT_TRUE(f.ImgSign.visible());
    t.sent();
    t.click(f.ImgSign);
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].command(), connection::MsgSignUp);
    EXPECT_EQ(sent[0].u32le(16), 6U);
    EXPECT_FALSE(f.ImgSign.enabled());
    EXPECT_EQ(f.ImgSign.tag(), u"2"_s);
    // A champion row's parts show nothing.
    t.click(f.ImgMatch(0));
    EXPECT_EQ(f.LblShowName.tag(), u"3"_s);
}

TEST(ListClicks, TheCloseButtonsCloseTheirPanels) {
    PanelsTable t;
    t.loaded({});
    auto& f = t.form;
    f.Pic_matchDetail.setVisible(true);
    t.click(f.ImgCloseList(0));
    EXPECT_FALSE(f.Pic_matchDetail.visible());
    f.Pic_sortDetail.setVisible(true);
    t.click(f.ImgCloseList(1));
    EXPECT_FALSE(f.Pic_sortDetail.visible());
}

TEST(OpenButton, ShowsAndHidesTheTournamentButtonAtItsTwoPlaces) {
    PanelsTable t(testing_support::kSmallScreen);
    t.loaded({});
    auto& f = t.form;
    f.ImgOpenMatchBtn.setVisible(true);
    f.ImgOpenMatchBtn.setEnabled(true);
    f.ImgShowMatch.setVisible(true);
    const double left = 3 * t.scale();
    t.click(f.ImgOpenMatchBtn);
    EXPECT_FALSE(f.ImgShowMatch.visible());
    EXPECT_DOUBLE_EQ(f.ImgOpenMatchBtn.left(), left);
    t.click(f.ImgOpenMatchBtn);
    EXPECT_TRUE(f.ImgShowMatch.visible());
    EXPECT_DOUBLE_EQ(f.ImgShowMatch.left(), left);
    EXPECT_DOUBLE_EQ(f.ImgOpenMatchBtn.left(), left + 94);
}

TEST(Hovers, ButtonsShowTheirHoverPictureUntilThePanelRestoresThem) {
    ListTable t(7);
    auto& f = t.form;
    f.Pic_matchDetail.move(0, 0, 620, 400);
    f.Pic_matchDetail.setVisible(true);
    int page = 1;
    ASSERT_TRUE(t.fill(page));
    ShowMatchDetail(t.ctx(), 1);
    // Beside the row's labels.
    t.router.mouseMove(t.at(f.Pic_matchDetail, {325, 125}), 0, 0);
    for (forms::Image* button : {&f.ImgSign, &f.ImgDownpage(0), &f.ImgCloseList(0)}) {
        t.hover(*button);
    }
    for (forms::Image* button :
         {&f.ImgMatch(1), &f.ImgSign, &f.ImgDownpage(0), &f.ImgCloseList(0)}) {
        EXPECT_EQ(button->tag(), u"1"_s) << button->name().toStdString();
    }
    t.router.mouseMove(t.at(f.Pic_matchDetail, {360, 20}), 0, 0);
    for (forms::Image* button :
         {&f.ImgMatch(1), &f.ImgSign, &f.ImgDownpage(0), &f.ImgCloseList(0)}) {
        EXPECT_EQ(button->tag(), u"0"_s) << button->name().toStdString();
    }
}

} // namespace
} // namespace qv::match::panels
