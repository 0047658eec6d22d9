#include "common/picture_resources.h"
#include "forms/test_form.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::common {
namespace {

using forms::test::FormFixture;
using forms::test::solidPicture;

TEST(PictureControlsTest, AnUnstretchedImageTakesTheCardSize) {
    FormFixture f;
    f.form.setScaleMode(forms::ScaleMode::Pixels);
    forms::Image card(f.form, u"cardImage0"_s);
    card.move(100, 500, 90, 120);
    EXPECT_EQ(LoadGifRes(35, u"gif"_s, card), 1);
    EXPECT_EQ(card.picture().size(), QSize(90, 122));
    EXPECT_EQ(card.width(), 90);
    EXPECT_EQ(card.height(), 122);

    // a failed load changes neither the picture nor the size
    card.setPicture(solidPicture(10, 20));
    EXPECT_EQ(LoadGifRes(34, u"GIF"_s, card), 0);
    EXPECT_EQ(card.picture(), solidPicture(10, 20));
    EXPECT_EQ(card.width(), 10);
}

TEST(PictureControlsTest, PictureBoxesAndMovesByLoadAt) {
    FormFixture f;
    f.form.setScaleMode(forms::ScaleMode::Pixels);
    forms::PictureBox box(f.form, u"Picture_ani"_s);
    EXPECT_EQ(LoadGifResCopy(668, u"GIF"_s, box), 1);
    EXPECT_EQ(box.picture().size(), QSize(85, 85));

    forms::Image call(f.form, u"btnJiaopai"_s);
    ButtonValues values{};
    EXPECT_TRUE(LoadGifResAt(194, u"GIF"_s, u"tmp.GIF"_s, call, 2, values, 9, 300.0));
    EXPECT_EQ(call.picture().size(), QSize(66, 38));
    EXPECT_EQ(call.left(), 300);
    EXPECT_EQ(values[2], 9);
}

TEST(PictureControlsTest, ControlsGivenOnePictureShareItsPixels) {
    FormFixture f;
    forms::Image hand(f.form, u"cardImage0"_s);
    forms::Image played(f.form, u"cardImage1"_s);
    forms::PictureBox box(f.form, u"Picture_ani"_s);
    ButtonValues values{};
    ASSERT_EQ(LoadGifRes(303, u"GIF"_s, hand), 1);
    ASSERT_EQ(LoadGifResCopy(303, u"GIF"_s, played), 1);
    ASSERT_TRUE(LoadGifResAt(303, u"GIF"_s, u""_s, box, 0, values));
    const QImage cached = LoadGifPicture(303, u"GIF"_s);
    for (const QImage* picture : {&hand.picture(), &played.picture(), &box.picture()}) {
        EXPECT_EQ(picture->cacheKey(), cached.cacheKey());
        EXPECT_EQ(picture->constBits(), cached.constBits());
    }
}

} // namespace
} // namespace qv::common
