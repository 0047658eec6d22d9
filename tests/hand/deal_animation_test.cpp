#include "hand/deal_animation.h"
#include "hand_fixture.h"

#include <gtest/gtest.h>

namespace qv::hand {
namespace {

using testing_support::HandTable;

TEST(DealAnimationTest, EachLegRunsAwayFromTheMiddle) {
    struct Case {
        int step;
        double left;
        double top;
    };
    for (const Case c : {Case{0, 472, 285 + 240}, Case{1, 472 - 320, 285}, Case{2, 472, 285 - 150},
                         Case{3, 472 + 320, 285}}) {
        const CardSpot last = DealCardSpot(c.step, 10, 1.0F, 1.0F);
        EXPECT_EQ(last.left, c.left) << c.step;
        EXPECT_EQ(last.top, c.top) << c.step;
    }
    const float s = 0.78125F;
    const CardSpot small = DealCardSpot(3, 2, s, s);
    EXPECT_EQ(small.left, 472 * s + 64 * s);
    EXPECT_EQ(small.top, 285 * s);
    EXPECT_EQ(DealCardSpot(1, 1, s, s).left - DealCardSpot(1, 2, s, s).left, 32 * s);
    EXPECT_EQ(DealCardSpot(0, 2, s, s).top - DealCardSpot(0, 1, s, s).top, 24 * s);
    EXPECT_EQ(DealCardSpot(2, 1, s, s).top - DealCardSpot(2, 2, s, s).top, 15 * s);
}

TEST(DealAnimationTest, PausesFollowTheScale) {
    for (int k = 0; k < kMovingCards; ++k) {
        EXPECT_EQ(DealPauseMs(k, 1.0F), 10);
        EXPECT_EQ(DealPauseMs(k, 0.78125F), k % 4 == 0 ? 1 : 0) << k;
    }
}

/// What a timer saw every virtual millisecond while a leg ran.
struct Watch {
    int maxShown = 0;
    bool pileSeen = false;
};

Watch runLeg(HandTable& t, int step) {
    Watch watch;
    const auto id = t.platform.time.startTimer(1, [&] {
        int shown = 0;
        for (int k = 0; k < kMovingCards; ++k) {
            shown += t.form.imgCardMove(k).visible() ? 1 : 0;
        }
        watch.maxShown = std::max(watch.maxShown, shown);
        watch.pileSeen = watch.pileSeen || t.form.imgFaPai.visible();
    });
    PlayDealAnimation(t.ctx, step);
    t.platform.time.stopTimer(id);
    return watch;
}

TEST(DealAnimationTest, ALegShowsItsCardsOneByOneAndHidesThemAgainInVirtualTime) {
    HandTable t;
    const auto start = t.platform.time.monotonicMs();
    const Watch leg0 = runLeg(t, 0);
    EXPECT_EQ(t.platform.time.monotonicMs() - start, 22 * 10);
    EXPECT_EQ(leg0.maxShown, kMovingCards);
    EXPECT_TRUE(t.form.imgFaPai.visible());
    for (int k = 0; k < kMovingCards; ++k) {
        EXPECT_FALSE(t.form.imgCardMove(k).visible());
    }
    runLeg(t, 3);
    runLeg(t, 2);
    EXPECT_TRUE(t.form.imgFaPai.visible());
    runLeg(t, 1);
    EXPECT_FALSE(t.form.imgFaPai.visible());
}

TEST(DealAnimationTest, OnASmallScreenOnlyEveryFourthCardPauses) {
    HandTable t({800, 600});
    const auto start = t.platform.time.monotonicMs();
    runLeg(t, 2);
    EXPECT_EQ(t.platform.time.monotonicMs() - start, 6);
}

TEST(DealAnimationTest, AnotherStepOnlyPutsTheFirstCardInTheMiddle) {
    HandTable t;
    t.form.imgCardMove(0).move(1, 1);
    const auto start = t.platform.time.monotonicMs();
    const Watch watch = runLeg(t, 4);
    EXPECT_EQ(t.platform.time.monotonicMs(), start);
    EXPECT_EQ(watch.maxShown, 0);
    EXPECT_EQ(t.form.imgCardMove(0).left(), 472);
    EXPECT_EQ(t.form.imgCardMove(0).top(), 285);
}

} // namespace
} // namespace qv::hand
