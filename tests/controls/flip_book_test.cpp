#include "control_fixture.h"
#include "controls/flip_book.h"

#include <gmock/gmock.h>

namespace qv::controls::test {
namespace {

using namespace Qt::StringLiterals;

/// A timer and three images, with their visibility as "0/1" flags.
struct FlipFixture : ControlFixture {
    FlipFixture() {
        for (forms::Image* image : {&one, &two, &three}) {
            image->setPicture(picture({10, 10}, Qt::blue));
        }
    }
    [[nodiscard]] std::vector<forms::Component*> items() { return {&timer, &one, &two, &three}; }
    [[nodiscard]] std::string shown() const {
        std::string flags;
        for (const forms::Image* image : {&one, &two, &three}) {
            flags += image->visible() ? '1' : '0';
        }
        return flags;
    }

    forms::Timer timer{form.pic1, u"Timer_ani"_s};
    forms::Image one{form.pic1, u"Picture_ani"_s};
    forms::Image two{form.pic1, u"Picture_ani2"_s};
    forms::Image three{form.pic1, u"Picture_ani3"_s};
};

TEST(FlipBookTest, RenderOnAFreshInstanceGoesOnAndChangesNothing) {
    FlipFixture f;
    Animation animation;
    EXPECT_EQ(animation.Render(), Animation::kGoOn);
    EXPECT_EQ(f.shown(), "111");
}

TEST(FlipBookTest, SetControlPlacesAndHidesTheFramesAlike) {
    FlipFixture f;
    Animation animation;
    animation.SetControl(f.items(), 30, 40, 50, 60, false);
    for (const forms::Image* image : {&f.one, &f.two, &f.three}) {
        EXPECT_EQ(image->pixelRect(), QRectF(40, 30, 50, 60));
        EXPECT_FALSE(image->stretch());
    }
    animation.SetControl(f.items(), 30, 40);
    EXPECT_EQ(f.two.pixelRect(), QRectF(40, 30, 100, 100));
    EXPECT_EQ(f.shown(), "000");
}

TEST(FlipBookTest, WithoutLoopTheThirdFrameStaysAndLaterCallsFinish) {
    FlipFixture f;
    Animation animation;
    animation.SetControl(f.items(), 0, 0);
    std::vector<std::pair<std::int16_t, std::string>> steps;
    for (int i = 0; i < 5; ++i) {
        const std::int16_t result = animation.Render();
        steps.emplace_back(result, f.shown());
    }
    using Step = std::pair<std::int16_t, std::string>;
    EXPECT_THAT(steps, ::testing::ElementsAre(Step(1, "100"), Step(1, "010"), Step(1, "001"),
                                              Step(2, "001"), Step(2, "001")));
}

TEST(FlipBookTest, LoopRepeatsTheFramesAndPlayFalseHidesThemAndStopsTheTimer) {
    FlipFixture f;
    Animation animation;
    animation.SetControl(f.items(), 0, 0);
    animation.Play(true, 250, true);
    EXPECT_TRUE(f.timer.enabled());
    EXPECT_EQ(f.timer.interval(), 250);
    std::string seen;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(animation.Render(), Animation::kGoOn);
        seen += f.shown() + " ";
    }
    EXPECT_EQ(seen, "100 010 001 100 010 ");

    animation.Play(false);
    EXPECT_FALSE(f.timer.enabled());
    EXPECT_EQ(f.shown(), "000");
    animation.SetControl(f.items(), 0, 0);
    animation.Play(true);
    animation.Render();
    EXPECT_EQ(f.shown(), "100") << "SetControl starts the run again";
}

TEST(FlipBookTest, MissingOrWrongItemsEndTheMethodWhereTheyAreMet) {
    FlipFixture f;
    Animation animation;
    animation.SetControl({&f.timer, &f.one, &f.two}, 30, 40, 50, 60);
    EXPECT_EQ(f.one.pixelRect(), QRectF(40, 30, 50, 60));
    EXPECT_EQ(f.two.pixelRect(), QRectF(40, 30, 50, 60));
    EXPECT_NE(f.three.pixelRect(), QRectF(40, 30, 50, 60));
    EXPECT_EQ(animation.Render(), Animation::kGoOn);
    EXPECT_EQ(animation.Render(), Animation::kGoOn);
    EXPECT_EQ(animation.Render(), Animation::kFailed) << "no third frame to show";

    Animation noTimer;
    noTimer.SetControl({&f.one, &f.one, &f.two, &f.three}, 0, 0);
    noTimer.Play(false);
    EXPECT_EQ(f.shown(), "000") << "SetControl hid them";
    f.one.setVisible(true);
    noTimer.Play(false);
    EXPECT_TRUE(f.one.visible()) << "Play ended at the missing timer";
}

} // namespace
} // namespace qv::controls::test
