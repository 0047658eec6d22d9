#include "forms/form_host.h"
#include "table/seat_popup.h"
#include "table/table_fixture.h"
#include "table/table_hovers.h"

#include <gmock/gmock.h>

namespace qv::table {
namespace {

using namespace Qt::StringLiterals;
using testing_support::TableFixture;

SeatDetail player(const QString& name) {
    SeatDetail detail;
    detail.username = name;
    detail.sex = 2;
    detail.location = u"杭州"_s;
    detail.score = 12.5;
    detail.membership = u"黄金会员"_s;
    detail.logins = 30;
    detail.disconnects = 1;
    detail.wins = 20;
    detail.losses = 9;
    detail.vip = 6;
    return detail;
}

/// A loaded table whose seats hold `seats`.
struct PopupFixture : TableFixture {
    explicit PopupFixture(QSize screen = {1024, 768}) : TableFixture(screen) {
        loaded();
        form.seatHooks.detail = [this](int seat) {
            return seats.at(static_cast<std::size_t>(seat));
        };
        form.seatHooks.showVip = [this](int level) {
            vipLevels.push_back(level);
        };
    }
    Information* popup() { return host.find<Information>(); }

    std::array<SeatDetail, 4> seats{player(u"自己"_s), player(u"下家"_s), SeatDetail{},
                                    player(u"上家"_s)};
    std::vector<int> vipLevels;
};

TEST(SeatPopupTest, AnEmptySeatShowsNothing) {
    PopupFixture f;
    Tou_MouseMove(f.form, 2, f.seats[2]);
    ASSERT_NE(f.popup(), nullptr) << "the window is created hidden";
    EXPECT_FALSE(f.popup()->visible());
}

TEST(SeatPopupTest, FillsTheNineFieldsAndShowsSex2AsMale) {
    PopupFixture f;
    Tou_MouseMove(f.form, 1, f.seats[1]);
    Information& popup = *f.popup();
    EXPECT_TRUE(popup.visible());
    QStringList shown;
    for (int i = 0; i < 9; ++i) {
        shown << popup.Inf(i).caption();
    }
    EXPECT_EQ(shown, QStringList({u"下家"_s, u"男"_s, u"杭州"_s, u"12.5"_s, u"黄金会员"_s, u"30"_s,
                                  u"1"_s, u"20"_s, u"9"_s}));
    EXPECT_EQ(popup.Inf(0).fontSize(), 10);
}

TEST(SeatPopupTest, AVisiblePopupIsNeitherMovedNorRefilled) {
    PopupFixture f;
    Tou_MouseMove(f.form, 1, f.seats[1]);
    const double left = f.popup()->left();
    Tou_MouseMove(f.form, 3, f.seats[3]);
    EXPECT_EQ(f.popup()->left(), left);
    EXPECT_EQ(f.popup()->Inf(0).caption(), u"下家"_s);

    imgDinglan_MouseMove(f.form);
    EXPECT_FALSE(f.popup()->visible());
    Tou_MouseMove(f.form, 3, f.seats[3]);
    EXPECT_EQ(f.popup()->Inf(0).caption(), u"上家"_s);
}

TEST(SeatPopupTest, AMembershipLevelWithoutNameShowsNoName) {
    PopupFixture f;
    Tou_MouseMove(f.form, 1, f.seats[1]);
    imgDilan_MouseMove(f.form);
    SeatDetail odd = f.seats[3];
    odd.membership.clear();
    Tou_MouseMove(f.form, 3, odd);
    EXPECT_EQ(f.popup()->Inf(4).caption(), QString()) << "not the previous seat's";
}

struct Placement {
    QSize screen;
    int seat;
};

class SeatPopupPlacement : public ::testing::TestWithParam<Placement> {};

TEST_P(SeatPopupPlacement, OpensBesideItsSeatInScreenTwips) {
    PopupFixture f(GetParam().screen);
    const int seat = GetParam().seat;
    f.seats[2] = player(u"对家"_s);
    Tou_MouseMove(f.form, seat, f.seats[static_cast<std::size_t>(seat)]);
    const MainForm& t = f.form;
    double left = t.Pic1.left() + t.left();
    double top = t.Pic1.top() + t.top() + t.height() * 0.11;
    if (seat == 0) {
        top = t.context().state.ScaleX < 1 ? t.height() * 0.3
                                           : t.Pic1.top() + t.top() + t.height() * 0.42;
    } else {
        left += std::floor(std::round((seat - 1) * t.width()) / 3);
    }
    EXPECT_DOUBLE_EQ(f.popup()->left(), left);
    EXPECT_DOUBLE_EQ(f.popup()->top(), top);
}

INSTANTIATE_TEST_SUITE_P(BothScales, SeatPopupPlacement,
                         ::testing::Values(Placement{{1024, 768}, 0}, Placement{{1024, 768}, 1},
                                           Placement{{1024, 768}, 2}, Placement{{1024, 768}, 3},
                                           Placement{{800, 600}, 0}, Placement{{800, 600}, 1},
                                           Placement{{800, 600}, 3}));

TEST(SeatPopupTest, SeatThreeOpensTwoThirdsOfTheWindowRightOfSeatOne) {
    PopupFixture f({1280, 1024});
    ASSERT_EQ(f.form.width(), 15600);
    Tou_MouseMove(f.form, 1, f.seats[1]);
    const double seatOne = f.popup()->left();
    f.popup()->hide();
    Tou_MouseMove(f.form, 3, f.seats[3]);
    EXPECT_EQ(f.popup()->left() - seatOne, 10400);
}

TEST(TableHoversTest, BankLoadsItsHoverPictureOnceAndTheLocationPlatePutsItBack) {
    PopupFixture f;
    const auto revision = f.form.Bank.revision();
    Bank_MouseMove(f.form);
    const auto afterFirst = f.form.Bank.revision();
    Bank_MouseMove(f.form);
    EXPECT_NE(afterFirst, revision);
    EXPECT_EQ(f.form.Bank.revision(), afterFirst);
    EXPECT_TRUE(f.form.BankHover);
    f.form.imgword1.setTag(u"1"_s);
    imgLocation_MouseMove(f.form);
    EXPECT_FALSE(f.form.BankHover);
    EXPECT_EQ(f.form.imgword1.tag(), u"0"_s);
}

TEST(TableHoversTest, WealthTooltipsTellTheMultipleOnlyWhenThereIsOne) {
    PopupFixture f;
    f.form.lbwealth.setCaption(u"2"_s);
    f.form.Imgwealth.setToolTipText(u"old"_s);
    Imgwealth_MouseMove(f.form);
    EXPECT_EQ(f.form.Imgwealth.toolTipText(), u"old"_s);
    f.table.WealthOdds = 2;
    Imgwealth_MouseMove(f.form);
    EXPECT_EQ(f.form.Imgwealth.toolTipText(), u"财富加倍 ×2"_s);
    EXPECT_EQ(f.form.lbwealth.toolTipText(), u"财富加倍 ×2"_s);
}

TEST(TableHoversTest, TheBottomBarPutsHoveredButtonsBack) {
    PopupFixture f;
    f.table.AnNiuHover[3] = true;
    f.table.OperationHover[1] = true;
    imgDilan_MouseMove(f.form);
    EXPECT_FALSE(f.table.AnNiuHover[3]);
    EXPECT_FALSE(f.table.OperationHover[1]);
}

TEST(TableHoversTest, ABadgeOpensTheVipWindowForLevelsOneToSix) {
    PopupFixture f;
    f.seats[1].vip = 0;
    img_vip_Click(f.form, 1);
    img_vip_Click(f.form, 3);
    f.seats[0].vip = 7;
    img_vip_Click(f.form, 0);
    EXPECT_THAT(f.vipLevels, ::testing::ElementsAre(6));
}

} // namespace
} // namespace qv::table
