#include "control_fixture.h"
#include "controls/scrolling_banner.h"
#include "forms/qt/render_to_image.h"

#include <gmock/gmock.h>
#include <optional>
#include <vector>

namespace qv::controls::test {
namespace {

using namespace Qt::StringLiterals;
using ::testing::ElementsAre;

constexpr forms::OleColor kYellow = 0x0000FFFF;
constexpr forms::OleColor kMagenta = 0x00FF00FF;

/// A banner at (0, 0), `width` x 25 pixels, whose ended messages go to `ended`.
struct BannerFixture : ControlFixture {
    explicit BannerFixture(int width = 120) {
        banner.move(0, 0, width, 25);
        banner.endShow = [this](double id) {
            ended.push_back(static_cast<int>(id));
        };
    }
    /// Advances until the next EndShow (at most a minute); its virtual time.
    std::int64_t untilNextEnd() {
        const std::size_t count = ended.size();
        while (ended.size() == count && time.monotonicMs() < 60000) {
            time.advance(100);
        }
        return time.monotonicMs();
    }
    /// The leftmost column showing text of `color`, if any.
    std::optional<int> textLeft(QColor color) {
        const QImage grab = forms::qt::renderToImage(form);
        const int width = static_cast<int>(banner.pixelRect().width());
        for (int x = 0; x < width; ++x) {
            if (countNear(grab, QRect(x, 0, 1, 25), color) > 0) {
                return x;
            }
        }
        return std::nullopt;
    }

    moveWord banner{form.pic1, u"moveWord1"_s};
    std::vector<int> ended;
};

TEST(ScrollingBannerTest, BlankTextIsRefusedAndIdsCountAcceptedMessagesOnly) {
    BannerFixture f;
    EXPECT_EQ(f.banner.Add(u""_s), 0);
    EXPECT_EQ(f.banner.Add(u"   "_s), 0);
    EXPECT_EQ(f.time.activeTimers(), 0U);
    EXPECT_EQ(f.banner.Add(u" a "_s), 1);
    EXPECT_EQ(f.banner.Add(u"b"_s), 2);
    EXPECT_EQ(f.time.activeTimers(), 1U);
}

TEST(ScrollingBannerTest, TextEntersAtTheRightEdgeAndMovesSixPixelsEveryTick) {
    BannerFixture f;
    f.banner.Add(u"赛"_s, kYellow);
    f.time.advance(100);
    EXPECT_GE(f.textLeft(Qt::yellow).value_or(120), 120 - 1) << "the first step is at the edge";
    for (int step = 1; step <= 5; ++step) {
        f.time.advance(100);
        const std::optional<int> left = f.textLeft(Qt::yellow);
        ASSERT_TRUE(left.has_value()) << step;
        EXPECT_GE(*left, 120 - 6 * step - 1) << step;
        EXPECT_LE(*left, 120 - 6 * step + 3) << step;
    }
}

TEST(ScrollingBannerTest, TwoMessagesScrollOneAfterTheOther) {
    BannerFixture f;
    f.banner.Add(u"赛事"_s, kYellow);
    f.banner.Add(u"冠军"_s, kYellow);
    const std::int64_t firstEnd = f.untilNextEnd();
    EXPECT_THAT(f.ended, ElementsAre(1));
    // The next tick takes up the second message at the edge, the one after moves it in.
    f.time.advance(100);
    EXPECT_GE(f.textLeft(Qt::yellow).value_or(120), 120 - 1);
    f.time.advance(100);
    EXPECT_THAT(f.textLeft(Qt::yellow), ::testing::Optional(::testing::Ge(120 - 6 - 1)));
    const std::int64_t secondEnd = f.untilNextEnd();
    EXPECT_THAT(f.ended, ElementsAre(1, 2));
    EXPECT_EQ(secondEnd - firstEnd, firstEnd) << "same length, same time from its start";
}

TEST(ScrollingBannerTest, PriorityMessagesFollowTheOneShowingLastAddedFirst) {
    BannerFixture f;
    f.banner.Add(u"a"_s);
    f.banner.Add(u"b"_s);
    f.time.advance(300);
    EXPECT_EQ(f.banner.Add(u"p"_s, moveWord::kDefaultColor, moveWord::kDefaultColor, 1), 3);
    EXPECT_EQ(f.banner.Add(u"q"_s, moveWord::kDefaultColor, moveWord::kDefaultColor, 1), 4);
    for (int i = 0; i < 4; ++i) {
        f.untilNextEnd();
    }
    EXPECT_THAT(f.ended, ElementsAre(1, 4, 3, 2));
}

TEST(ScrollingBannerTest, PriorityMessageWithNothingShowingQueuesAtTheBack) {
    BannerFixture f;
    f.banner.Add(u"a"_s, moveWord::kDefaultColor, moveWord::kDefaultColor, 1);
    f.banner.Add(u"p"_s, moveWord::kDefaultColor, moveWord::kDefaultColor, 1);
    f.untilNextEnd();
    f.untilNextEnd();
    EXPECT_THAT(f.ended, ElementsAre(1, 2));
}

TEST(ScrollingBannerTest, AFullRingRefusesAndLosesNothingQueued) {
    BannerFixture f(12);
    for (int i = 1; i <= moveWord::kRingSize - 1; ++i) {
        ASSERT_EQ(f.banner.Add(u"x"_s), i);
    }
    EXPECT_EQ(f.banner.Add(u"x"_s), 0);
    f.time.advance(100);
    EXPECT_EQ(f.banner.Add(u"p"_s, moveWord::kDefaultColor, moveWord::kDefaultColor, 1), 0);
    f.untilNextEnd();
    EXPECT_EQ(f.banner.Add(u"x"_s), 200) << "room again once one has ended";
    while (f.ended.size() < 200 && f.time.monotonicMs() < 10'000'000) {
        f.time.advance(1000);
    }
    ASSERT_EQ(f.ended.size(), 200U);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(f.ended[static_cast<std::size_t>(i)], i + 1);
    }
}

TEST(ScrollingBannerTest, FontSizeIsKeptWithinEightAndTwentyFour) {
    BannerFixture f;
    for (const auto& [stored, kept] : {std::pair(30, 24), std::pair(24, 24), std::pair(12, 12),
                                       std::pair(9, 9), std::pair(8, 8), std::pair(5, 8)}) {
        f.banner.setFontSize(static_cast<std::int16_t>(stored));
        EXPECT_EQ(f.banner.font().pointSize(), kept) << stored;
    }
}

TEST(ScrollingBannerTest, SpeedCountsOnlyUntilTheFirstMessageStartsTheTimer) {
    BannerFixture f;
    f.banner.setSpeed(50);
    f.banner.Add(u"a"_s);
    f.banner.setSpeed(1000);
    const std::int64_t end = f.untilNextEnd();
    f.banner.Add(u"a"_s);
    EXPECT_EQ(f.untilNextEnd() - end, end) << "the second run takes as long at the same speed";
}

TEST(ScrollingBannerTest, TextShowsOverTheBackPictureAndRedShowsNothing) {
    BannerFixture f;
    f.banner.setBackPic(picture({120, 25}, Qt::blue));
    f.banner.Add(u"赛事赛事"_s, kYellow, kMagenta);
    f.time.advance(1500);
    QImage grab = forms::qt::renderToImage(f.form);
    const QRect area(0, 0, 120, 25);
    EXPECT_GT(countNear(grab, area, Qt::yellow), 20);
    EXPECT_GT(countNear(grab, area, Qt::blue), 120 * 10);
    EXPECT_EQ(countNear(grab, area, Qt::magenta), 0) << "no shade without FontBold";
    EXPECT_EQ(countNear(grab, area, Qt::red), 0);

    f.banner.setFontBold(true);
    f.time.advance(100);
    EXPECT_GT(countNear(forms::qt::renderToImage(f.form), area, Qt::magenta), 5);
}

TEST(ScrollingBannerTest, WithoutBackPictureOnlyTheTextCoversTheWindowBehind) {
    BannerFixture f;
    f.banner.Add(u"赛事赛事"_s, kYellow);
    f.time.advance(1500);
    const QImage grab = forms::qt::renderToImage(f.form);
    const QRect area(0, 0, 120, 25);
    EXPECT_EQ(countNear(grab, area, Qt::red), 0);
    EXPECT_GT(countNear(grab, area, QColor(0, 128, 0)), 120 * 15);
    EXPECT_GT(countNear(grab, area, Qt::yellow), 20);
    EXPECT_EQ(f.form.hitTest({2, 20}), &f.form.pic1);
}

} // namespace
} // namespace qv::controls::test
