#include "common/picture_resources.h"
#include "table/banker_mark.h"
#include "table_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::table {
namespace {

using testing_support::TableFixture;

TEST(BankerMarkTest, MarkClockAndDigitsGoToTheBankersSeat) {
    struct Case {
        QSize screen;
        int seat;
    };
    for (const Case c :
         {Case{{1024, 768}, 0}, Case{{1024, 768}, 1}, Case{{1024, 768}, 2}, Case{{1024, 768}, 3},
          Case{{800, 600}, 0}, Case{{800, 600}, 1}, Case{{800, 600}, 2}, Case{{800, 600}, 3}}) {
        TableFixture t(c.screen);
        MainForm& form = t.loaded();
        PlaceBankerMark(form, c.seat);
        const double s = c.screen.width() == 1024 ? 1.0 : 0.78125;
        const Image& clock = form.Time_Img;
        const Image& frame = form.imgBaopai;
        struct Expected {
            double markLeft, markTop, clockLeft, clockTop;
        };
        const std::array<Expected, 4> expected = {{
            {10, form.imgDilan.top() - 80 * s, 875 * s, 550 * s},
            {30 * s, 110 * s, 0.2 * clock.width(), 210 * s},
            {350 * s, 110 * s, s == 1.0 ? 600.0 : 450.0, s == 1.0 ? 110.0 : 85.0},
            {850 * s, 110 * s, c.screen.width() - frame.width() - clock.width(),
             frame.top() + frame.height() - clock.height()},
        }};
        const Expected& e = expected.at(static_cast<std::size_t>(c.seat));
        const std::string what = std::to_string(c.seat) + " at " + std::to_string(s);
        EXPECT_EQ(form.imgDizhu.left(), e.markLeft) << what;
        EXPECT_EQ(form.imgDizhu.top(), e.markTop) << what;
        EXPECT_EQ(clock.left(), e.clockLeft) << what;
        EXPECT_EQ(clock.top(), e.clockTop) << what;
        EXPECT_EQ(form.Number.left(), clock.left() + 48 * s) << what;
        EXPECT_EQ(form.Number.top(), clock.top() + 5 * s) << what;
    }
}

TEST(BankerMarkTest, AcrossAtFullScaleTheDigitsStandAt648And115) {
    TableFixture t;
    MainForm& form = t.loaded();
    PlaceBankerMark(form, 2);
    EXPECT_EQ(form.Number.left(), 648);
    EXPECT_EQ(form.Number.top(), 115);
}

TEST(BankerMarkTest, TheCallButtonAndTheClockAreShown) {
    TableFixture t;
    MainForm& form = t.loaded();
    ShowCallButton(form);
    const Image& call = form.btnJiaopai(0);
    EXPECT_EQ(call.left(), 485);
    EXPECT_TRUE(call.enabled());
    EXPECT_TRUE(call.visible());
    EXPECT_EQ(call.picture(), common::LoadGifPicture(193, u"GIF"_s));
    ShowBankerClock(form, 20);
    EXPECT_EQ(form.Number.caption(), u"20"_s);
    EXPECT_EQ(form.Number.foreColor(), forms::rgb(0, 255, 0));
    EXPECT_TRUE(form.Time_Img.visible());
    EXPECT_TRUE(form.imgDizhu.visible());
    EXPECT_TRUE(form.imgBaopai.visible());
}

} // namespace
} // namespace qv::table
