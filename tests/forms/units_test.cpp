#include "test_form.h"

#include <gtest/gtest.h>

namespace qv::forms::test {
namespace {

using namespace Qt::StringLiterals;

TEST(UnitsTest, TwipsAndPixels) {
    EXPECT_EQ(twipsToPixels(15360), 1024);
    EXPECT_EQ(pixelsToTwips(768), 11520);
    EXPECT_EQ(twipsToPixels(7.5), 0.5);
}

struct ScaleCase {
    const char* what;
    ScaleMode mode;
    double scaleLeft;
    double scaleTop;
    double unitsPerPixel;
};

void PrintTo(const ScaleCase& c, std::ostream* out) {
    *out << c.what;
}

class ContainerScaleTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(ContainerScaleTest, ControlPositionsMapToThePixelsOfTheBox) {
    const ScaleCase& c = GetParam();
    FormFixture f;
    PictureBox box(f.form, u"box"_s);
    box.move(1500, 3000, 620 * 15, 400 * 15);
    if (c.mode == ScaleMode::User) {
        box.scale(c.scaleLeft, c.scaleTop, c.scaleLeft + 620 * c.unitsPerPixel,
                  c.scaleTop + 400 * c.unitsPerPixel);
    } else {
        box.setScaleMode(c.mode);
    }
    EXPECT_EQ(box.pixelRect(), QRectF(100, 200, 620, 400)) << c.what;
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 620 * c.unitsPerPixel) << c.what;
    EXPECT_DOUBLE_EQ(box.scaleHeight(), 400 * c.unitsPerPixel) << c.what;

    Image image(box, u"image"_s);
    image.move(c.scaleLeft + 10 * c.unitsPerPixel, c.scaleTop + 20 * c.unitsPerPixel,
               30 * c.unitsPerPixel, 40 * c.unitsPerPixel);
    const QRectF rect = image.pixelRect();
    EXPECT_NEAR(rect.left(), 10, 1e-9) << c.what;
    EXPECT_NEAR(rect.top(), 20, 1e-9) << c.what;
    EXPECT_NEAR(rect.width(), 30, 1e-9) << c.what;
    EXPECT_NEAR(rect.height(), 40, 1e-9) << c.what;
    EXPECT_EQ(box.originInForm(), QPointF(100, 200)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ContainerScaleTest,
    testing::Values(ScaleCase{"Pixels", ScaleMode::Pixels, 0, 0, 1},
                    ScaleCase{"Twips", ScaleMode::Twips, 0, 0, 15},
                    ScaleCase{"FifteenTwipsPerUnit", ScaleMode::User, 0, 0, 1},
                    ScaleCase{"OffsetUserScale", ScaleMode::User, -50, 100, 2.5}),
    [](const testing::TestParamInfo<ScaleCase>& param) { return std::string(param.param.what); });

TEST(UnitsTest, ChangingTheModeKeepsControlsWhereTheyAre) {
    FormFixture f;
    PictureBox box(f.form, u"box"_s);
    box.move(0, 0, 15000, 15000);
    Label label(box, u"label"_s);
    label.move(150, 300, 1500, 450);
    box.setScaleMode(ScaleMode::Pixels);
    EXPECT_DOUBLE_EQ(label.left(), 10);
    EXPECT_DOUBLE_EQ(label.top(), 20);
    EXPECT_DOUBLE_EQ(label.width(), 100);
    EXPECT_DOUBLE_EQ(label.height(), 30);
}

TEST(UnitsTest, PixelPositionsKeepTheirFractions) {
    FormFixture f;
    PictureBox box(f.form, u"box"_s);
    box.setScaleMode(ScaleMode::Pixels);
    Image image(box, u"image"_s);
    image.setTop(668 * 0.78125F);
    EXPECT_EQ(image.top(), 668 * 0.78125F);
    EXPECT_EQ(image.pixelRect().top(), 668 * 0.78125F);
}

TEST(UnitsTest, UserScaleKeepsItsUnitWhenTheBoxGrows) {
    FormFixture f;
    PictureBox box(f.form, u"box"_s);
    box.move(0, 0, 278 * 15, 57 * 15);
    box.scale(0, 0, 278, 57);
    box.move(0, 0, 620 * 15, 400 * 15);
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 620);
    EXPECT_DOUBLE_EQ(box.scaleHeight(), 400);
}

} // namespace
} // namespace qv::forms::test
