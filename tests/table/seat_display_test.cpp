#include "common/picture_resources.h"
#include "table/seat_display.h"
#include "table_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::table {
namespace {

using testing_support::TableFixture;

bool shows(const forms::Image& image, int resId) {
    const QImage expected = common::LoadGifPicture(static_cast<std::int16_t>(resId), u"GIF"_s);
    return !expected.isNull() && image.picture() == expected;
}

TEST(SeatDisplayTest, VipLevelsColourTheNameAndShowABadge) {
    const std::vector<forms::OleColor> colors = {
        forms::rgb(128, 255, 255), forms::rgb(112, 245, 137), forms::rgb(2, 101, 237),
        forms::rgb(255, 255, 0),   forms::rgb(235, 36, 36),   forms::rgb(181, 46, 238),
        forms::rgb(255, 132, 0)};
    for (int vip = 0; vip <= 7; ++vip) {
        TableFixture t;
        MainForm& form = t.loaded();
        form.Nid(2).setForeColor(forms::rgb(1, 2, 3));
        form.img_vip(2).setVisible(true);
        ShowSeatPlayer(form, 2, {.headPicture = 245, .readyPicture = 281, .vip = vip});
        const auto badge = VipBadgePicture(vip);
        if (vip <= 6) {
            EXPECT_EQ(form.Nid(2).foreColor(), colors[static_cast<std::size_t>(vip)]) << vip;
        } else {
            EXPECT_EQ(form.Nid(2).foreColor(), forms::rgb(1, 2, 3));
        }
        EXPECT_EQ(form.img_vip(2).visible(), vip >= 1 && vip <= 6) << vip;
        EXPECT_EQ(t.plugin.g_bVipAnim, vip >= 1 && vip <= 6) << vip;
        if (badge) {
            EXPECT_EQ(*badge, 906 + 4 * vip);
            EXPECT_TRUE(shows(form.img_vip(2), *badge));
            EXPECT_EQ(t.plugin.VipAnimFrame[2], 1);
        }
    }
}

TEST(SeatDisplayTest, TheSeatShowsNameCoinsLevelAndPictures) {
    TableFixture t;
    MainForm& form = t.loaded();
    form.OK(1).setVisible(false);
    ShowSeatPlayer(form, 1,
                   {.headPicture = 252,
                    .readyPicture = 282,
                    .ready = true,
                    .showHead = true,
                    .nameTag = u"官"_s,
                    .nickname = u"张三"_s,
                    .coins = 65000,
                    .levelName = u"高手"_s});
    EXPECT_EQ(form.Nid(1).caption(), u"[官] 张三"_s);
    EXPECT_EQ(form.Cash(1).caption(), u"65000金币"_s);
    EXPECT_EQ(form.Level(1).caption(), u"高手"_s);
    EXPECT_TRUE(shows(form.Tou(1), 252));
    EXPECT_TRUE(shows(form.OK(1), 282));
    EXPECT_TRUE(form.OK(1).visible());
    EXPECT_TRUE(form.Tou(1).visible());

    // Not ready: the mark keeps its visibility.
    ShowSeatPlayer(form, 1, {.headPicture = 252, .readyPicture = 280});
    EXPECT_TRUE(form.OK(1).visible());
}

TEST(SeatDisplayTest, TheWealthLabelFollowsTheValueAndTheScale) {
    const auto check = [](std::int32_t shown, float scale, double size, double left, double top) {
        const WealthLabelStyle style = WealthLabelStyleFor(shown, scale);
        EXPECT_EQ(style.fontSize, size);
        EXPECT_EQ(style.left, left);
        EXPECT_EQ(style.top, top);
    };
    check(100, 1.0F, 13, 51, 535);
    check(99, 1.0F, 18, 55, 533);
    check(100, 0.78125F, 13, 65, 528);
    check(2, 0.78125F, 18, 67, 522);

    TableFixture t({800, 600});
    MainForm& form = t.loaded();
    ShowWealth(form, 2);
    EXPECT_EQ(form.lbwealth.caption(), u"2"_s);
    EXPECT_EQ(form.lbwealth.left(), 67 * 0.78125);
    EXPECT_EQ(form.lbwealth.top(), 522 * 0.78125);
    EXPECT_TRUE(form.lbwealth.visible());
    EXPECT_TRUE(form.Imgwealth.visible());
    EXPECT_TRUE(form.lbfont(2).visible());
    HideWealth(form);
    EXPECT_FALSE(form.lbwealth.visible());
    EXPECT_FALSE(form.Imgwealth.visible());
}

} // namespace
} // namespace qv::table
