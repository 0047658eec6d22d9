#include "table/screen_fit.h"

#include <gtest/gtest.h>

namespace qv::table {
namespace {

struct ScreenFitCase {
    int screenWidth;
    int screenHeight;
    ScreenFit expected;
};

class ScreenFitTest : public testing::TestWithParam<ScreenFitCase> {};

TEST_P(ScreenFitTest, SizesWindowAndSurfaceAndChoosesScale) {
    const ScreenFitCase& c = GetParam();
    const ScreenFit fit = fitToScreen(c.screenWidth, c.screenHeight);
    EXPECT_EQ(fit.scale, c.expected.scale);
    EXPECT_EQ(fit.windowLeft, 0);
    EXPECT_EQ(fit.windowTop, 0);
    EXPECT_EQ(fit.windowWidth, c.expected.windowWidth);
    EXPECT_EQ(fit.windowHeight, c.expected.windowHeight);
    EXPECT_EQ(fit.pic1Left, c.expected.pic1Left);
    EXPECT_EQ(fit.pic1Top, c.expected.pic1Top);
    EXPECT_EQ(fit.pic1Width, c.expected.pic1Width);
    EXPECT_EQ(fit.pic1Height, c.expected.pic1Height);
    EXPECT_EQ(fit.skinHeight, c.expected.skinHeight);
    EXPECT_EQ(fit.skinWidth, c.expected.skinWidth);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Screens, ScreenFitTest, testing::Values(
    // Exactly the design: full scale, the window fills the screen, no skin.
    ScreenFitCase{1024, 768, {.scale = 1.0F, .windowWidth = 15360, .windowHeight = 11520, .pic1Width = 15360, .pic1Height = 11520}},
    // Larger both ways: skinned 1040 x 796 window, surface under the band and between borders.
    ScreenFitCase{1280, 1024, {.scale = 1.0F, .windowWidth = 15600, .windowHeight = 11940, .pic1Left = 120, .pic1Top = 300, .pic1Width = 15360, .pic1Height = 11520, .skinHeight = true, .skinWidth = true}},
    // Too low for the design: small scale, full height, but still skin borders left and right.
    ScreenFitCase{1280, 720, {.scale = 0.78125F, .windowWidth = 15600, .windowHeight = 10800, .pic1Left = 120, .pic1Width = 15360, .pic1Height = 10800, .skinWidth = true}},
    // Small screen: small scale, the window fills it.
    ScreenFitCase{800, 600, {.scale = 0.78125F, .windowWidth = 12000, .windowHeight = 9000, .pic1Width = 12000, .pic1Height = 9000}},
    // Taller only: the band and bottom edge but no side borders.
    ScreenFitCase{1024, 800, {.scale = 1.0F, .windowWidth = 15360, .windowHeight = 11940, .pic1Top = 300, .pic1Width = 15360, .pic1Height = 11520, .skinHeight = true}},
    // One pixel short in width: small scale although the height is larger.
    ScreenFitCase{1023, 1024, {.scale = 0.78125F, .windowWidth = 15345, .windowHeight = 11940, .pic1Top = 300, .pic1Width = 15345, .pic1Height = 11520, .skinHeight = true}}));
// clang-format on

} // namespace
} // namespace qv::table
