#include "match/panels/table_layout.h"
#include "panels_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::match::panels {
namespace {

using testing_support::kLargeScreen;
using testing_support::kSmallScreen;
using testing_support::PanelsTable;

struct LayoutCase {
    int matchType;
    QSize screen;
    bool tournament;
};

class TableLayoutByType : public ::testing::TestWithParam<LayoutCase> {};

INSTANTIATE_TEST_SUITE_P(Types, TableLayoutByType,
                         ::testing::Values(LayoutCase{0, kLargeScreen, false},
                                           LayoutCase{1, kSmallScreen, false},
                                           LayoutCase{2, kLargeScreen, true},
                                           LayoutCase{5, kSmallScreen, true}));

TEST_P(TableLayoutByType, SwitchesTheBarsAndEverySeat) {
    const LayoutCase c = GetParam();
    PanelsTable t(c.screen);
    auto& f = t.form;
    f.lbl_matchtime.setVisible(true);
    t.client.match.G_MatchType = c.matchType;

    ShowMainFormByMatchType(f);

    EXPECT_EQ(f.Pic_prize.visible(), !c.tournament);
    EXPECT_EQ(f.pic_matchinfo.visible(), c.tournament);
    for (int seat = 0; seat < 4; ++seat) {
        SCOPED_TRACE(seat);
        EXPECT_EQ(f.lbl_score(seat).visible(), c.tournament);
        EXPECT_EQ(f.lbl_sort(seat).visible(), c.tournament);
        EXPECT_EQ(f.Cash(seat).visible(), !c.tournament);
        EXPECT_EQ(f.Level(seat).visible(), !c.tournament);
    }
    if (c.tournament) {
        EXPECT_EQ(f.pic_matchinfo.pixelRect().topLeft(), QPointF(105, 654));
        EXPECT_TRUE(f.lbl_matchtime.visible());
    } else {
        EXPECT_FALSE(f.lbl_matchtime.visible());
        EXPECT_EQ(f.lbl_matchtime.caption(), QString());
    }
}

TEST(HidePrizePanel, HidesTheBarAndItsButtonAgainAndAgain) {
    PanelsTable t;
    auto& f = t.form;
    f.Pic_prize.setVisible(true);
    f.bt_prizesort.setVisible(true);
    for (int run = 0; run < 2; ++run) {
        HidePrizePanel(f);
        EXPECT_FALSE(f.Pic_prize.visible());
        EXPECT_FALSE(f.bt_prizesort.visible());
    }
}

} // namespace
} // namespace qv::match::panels
