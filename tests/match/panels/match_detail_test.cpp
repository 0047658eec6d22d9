#include "common/picture_resources.h"
#include "match/panels/match_detail.h"
#include "panels_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::match::panels {
namespace {

using testing_support::definition;
using testing_support::PanelsTable;
using testing_support::run;

const MatchPrizeTable kThreeLines{{u"第1名"_s, u"500金币"_s, {}},
                                  {u"第2-3名"_s, u"200金币"_s, {}},
                                  {u"第4-10名"_s, u"50金币"_s, {}}};

/// A table whose one display row is `row`, of the definition with `kThreeLines`.
struct DetailTable : PanelsTable {
    explicit DetailTable(const CurMatchRec& row) {
        loaded({definition(5, u"周赛"_s, kThreeLines)});
        rows({row});
    }
    void show(int row) { ShowMatchDetail(ctx(), row); }
};

struct StampCase {
    std::uint8_t cpState;
    std::uint8_t runState;
    int stamp;
    bool signUp;
};

class DetailStamp : public ::testing::TestWithParam<StampCase> {};

INSTANTIATE_TEST_SUITE_P(States, DetailStamp,
                         ::testing::Values(StampCase{1, 0, 1526, false},
                                           StampCase{1, 1, 1526, false}, StampCase{0, 0, 0, true},
                                           StampCase{0, 1, 1542, false},
                                           StampCase{0, 2, 1543, false}, StampCase{0, 3, 0, false},
                                           StampCase{2, 0, 0, false}));

TEST_P(DetailStamp, ShowsTheButtonOrTheStampOfThePlayersState) {
    const StampCase c = GetParam();
    CurMatchRec row = run(5, u"12-08 18:00:00"_s);
    row.CPstate = c.cpState;
    row.RunState = c.runState;
    DetailTable t(row);
    auto& f = t.form;
    t.show(1);
    EXPECT_EQ(f.ImgShowSign.visible(), c.stamp != 0);
    if (c.stamp != 0) {
        EXPECT_EQ(f.ImgShowSign.picture(), common::LoadGifPicture(c.stamp, u"GIF"_s));
    }
    EXPECT_EQ(f.ImgSign.visible(), c.signUp);
    if (c.signUp) {
        EXPECT_EQ(f.ImgSign.picture(), common::LoadGifPicture(1527, u"GIF"_s));
        EXPECT_EQ(f.ImgSign.tag(), u"0"_s);
    }
    EXPECT_EQ(f.LblShowName.caption(), u"Quorvale周赛"_s);
    EXPECT_EQ(f.LblShowName.tag(), u"1"_s);
    EXPECT_EQ(f.LblShowInfo(0).caption(), u"12-08 18:00:00"_s);
    EXPECT_EQ(f.LblShowInfo(1).caption(), u"4-100"_s);
    EXPECT_EQ(f.LblShowInfo(2).caption(), u"1小时"_s);
    EXPECT_EQ(f.LblShowInfo(3).caption(), u"免费"_s);
    EXPECT_TRUE(f.LblShowTip(3).visible());
    EXPECT_EQ(f.LblNote.caption(), u"每周六晚八点开赛，前十名有奖。"_s);
}

TEST(Detail, RowsWithoutARunLeaveTheHalfEmpty) {
    CurMatchRec champion = run(5, u"12-01 18:00:00"_s);
    champion.CLastFlg = true;
    for (const auto& [row, index] :
         {std::pair{run(5, u"12-08 18:00:00"_s), 0}, std::pair{run(5, u"12-08 18:00:00"_s), 2},
          std::pair{run(5, u"12-08 18:00:00"_s, 3), 1}, std::pair{champion, 1}}) {
        SCOPED_TRACE(index);
        DetailTable t(run(5, u"12-07 18:00:00"_s));
        t.show(1);
        t.rows({row});
        t.show(index);
        auto& f = t.form;
        EXPECT_EQ(f.LblShowName.tag(), QString());
        EXPECT_EQ(f.LblShowName.caption(), QString());
        EXPECT_EQ(f.LblShowInfo(0).caption(), QString());
        EXPECT_EQ(f.LblPrizeInfo(0).caption(), QString());
        EXPECT_FALSE(f.ImgSign.visible());
        EXPECT_FALSE(f.ImgShowSign.visible());
    }
}

TEST(Detail, PrizeLinesComeFromTheRunOrElseTheDefinition) {
    struct Case {
        MatchPrizeTable runTable;
        QStringList lines;
    };
    const std::vector<Case> cases{
        {{{QString(), u"x"_s, {}}},
         {u"第1名: 500金币"_s, u"第2-3名: 200金币"_s, u"第4-10名: 50金币"_s}},
        {{{u"第1名"_s, u"900个翡翠"_s, {}}, {u"第2名"_s, u"300个翡翠"_s, {}}, {QString(), {}, {}}},
         {u"第1名: 900个翡翠"_s, u"第2名: 300个翡翠"_s}},
        {{}, {u"第1名: 500金币"_s, u"第2-3名: 200金币"_s, u"第4-10名: 50金币"_s}},
    };
    for (const Case& c : cases) {
        CurMatchRec row = run(5, u"12-08 18:00:00"_s);
        row.PrizeTable = c.runTable;
        DetailTable t(row);
        t.show(1);
        auto& f = t.form;
        for (int i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(f.LblPrizeInfo(i).caption(), c.lines[i]);
            EXPECT_TRUE(f.LblPrizeInfo(i).visible());
        }
        if (f.LblPrizeInfo.exists(static_cast<int>(c.lines.size()))) {
            EXPECT_EQ(f.LblPrizeInfo(static_cast<int>(c.lines.size())).caption(), QString());
        }
    }
}

TEST(Detail, MorePrizeLinesThanLabelsMakeNewOnesBelowThatStay) {
    MatchPrizeTable five;
    for (int i = 1; i <= 5; ++i) {
        five.push_back({u"第%1名"_s.arg(i), u"%1金币"_s.arg(600 - 100 * i), {}});
    }
    CurMatchRec row = run(5, u"12-08 18:00:00"_s);
    row.PrizeTable = five;
    DetailTable t(row);
    auto& f = t.form;
    t.show(1);
    ASSERT_EQ(f.LblPrizeInfo.count(), 5);
    for (int i = 1; i < 5; ++i) {
        EXPECT_DOUBLE_EQ(f.LblPrizeInfo(i).left(), f.LblPrizeInfo(0).left());
        EXPECT_DOUBLE_EQ(f.LblPrizeInfo(i).top(),
                         f.LblPrizeInfo(i - 1).top() + f.LblPrizeInfo(i - 1).height() + 2);
    }
    const double lastTop = f.LblPrizeInfo(4).top();
    t.state().CurMatchShow.at(1).PrizeTable = {{u"第1名"_s, u"1金币"_s, {}}};
    t.show(1);
    EXPECT_EQ(f.LblPrizeInfo.count(), 5);
    EXPECT_EQ(f.LblPrizeInfo(0).caption(), u"第1名: 1金币"_s);
    EXPECT_EQ(f.LblPrizeInfo(4).caption(), QString());
    EXPECT_DOUBLE_EQ(f.LblPrizeInfo(4).top(), lastTop);
}

} // namespace
} // namespace qv::match::panels
