#include "test_form.h"

#include <gmock/gmock.h>
#include <memory>

namespace qv::forms::test {
namespace {

using namespace Qt::StringLiterals;

TEST(ImageTest, UnstretchedTakesThePictureSizeOnEveryAssignment) {
    FormFixture f;
    PictureBox surface(f.form, u"surface"_s);
    surface.setScaleMode(ScaleMode::Pixels);
    surface.move(0, 0, 15000, 15000);
    Image inPixels(surface, u"inPixels"_s);
    Image inTwips(f.form, u"inTwips"_s);

    for (Image* image : {&inPixels, &inTwips}) {
        image->move(10, 10, 500, 500);
        image->setPicture(solidPicture(81, 97));
    }
    EXPECT_EQ(inPixels.width(), 81);
    EXPECT_EQ(inPixels.height(), 97);
    EXPECT_EQ(inTwips.width(), 81 * 15);
    EXPECT_EQ(inTwips.height(), 97 * 15);

    // A size set in between does not last past the next picture.
    inPixels.setWidth(20);
    inPixels.setPicture(solidPicture(30, 40));
    EXPECT_EQ(inPixels.width(), 30);
    EXPECT_EQ(inPixels.left(), 10);
}

TEST(ImageTest, StretchedKeepsItsSizeAndTurningStretchOffFitsThePicture) {
    FormFixture f;
    f.form.setScaleMode(ScaleMode::Pixels);
    Image image(f.form, u"image"_s);
    image.setStretch(true);
    image.move(5, 6, 80 * 0.78125, 108 * 0.78125);
    image.setPicture(solidPicture(78, 103));
    EXPECT_DOUBLE_EQ(image.width(), 62.5);
    EXPECT_DOUBLE_EQ(image.height(), 84.375);

    image.setStretch(false);
    EXPECT_EQ(image.width(), 78);
    EXPECT_EQ(image.height(), 103);
}

TEST(LabelTest, AutoSizeFollowsTheTextAndMnemonicsAreHiddenUnlessTurnedOff) {
    FormFixture f;
    f.form.setScaleMode(ScaleMode::Pixels);
    Label label(f.form, u"label"_s);
    label.setAutoSize(true);
    label.setCaption(u"短"_s);
    const double shortWidth = label.width();
    label.setCaption(u"长长长长长长"_s);
    EXPECT_GT(label.width(), shortWidth * 4);
    EXPECT_GT(label.height(), 0);

    label.setCaption(u"A&&B &C"_s);
    EXPECT_EQ(label.displayText(), u"A&B C"_s);
    label.setUseMnemonic(false);
    EXPECT_EQ(label.displayText(), u"A&&B &C"_s);
}

TEST(LabelTest, AnAutoSizedLabelHasTheSizeItsTextHadWhenTheSizeOrTheUnitsChanged) {
    FormFixture f;
    f.form.setScaleMode(ScaleMode::Pixels);
    f.form.move(0, 0, 6000, 4500);
    const auto fittedLabel = [&f](const QString& name) {
        auto label = std::make_unique<Label>(f.form, name);
        label->setVisible(false);
        label->setAutoSize(true);
        label->setCaption(u"长长长"_s);
        return label;
    };
    const double fitted = fittedLabel(u"measured"_s)->width();
    ASSERT_GT(fitted, 0);

    // A size set after the text lasts until the next text.
    const auto sized = fittedLabel(u"sized"_s);
    sized->setWidth(7);
    EXPECT_EQ(sized->width(), 7);
    sized->setCaption(u"长长长长长长"_s);
    EXPECT_GT(sized->width(), fitted);

    // Turning AutoSize off keeps the size of the text the label had then.
    const auto frozen = fittedLabel(u"frozen"_s);
    frozen->setAutoSize(false);
    frozen->setCaption(u"短"_s);
    EXPECT_EQ(frozen->width(), fitted);

    // New units leave the size counted in the old ones, as for any control.
    const auto rescaled = fittedLabel(u"rescaled"_s);
    f.form.setScaleWidth(f.form.scaleWidth() * 2);
    EXPECT_EQ(rescaled->width(), fitted);
    EXPECT_EQ(fittedLabel(u"refitted"_s)->width(), fitted * 2);
}

TEST(ListBoxTest, ListOperationsKeepTheSelectionOnItsLine) {
    FormFixture f;
    ListBox list(f.form, u"list"_s);
    int clicks = 0;
    list.events.click = [&clicks] {
        ++clicks;
    };
    list.addItem(u"b"_s);
    list.addItem(u"c"_s);
    list.addItem(u"a"_s, 0);
    list.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list.text(), u"b"_s);

    list.removeItem(0);
    EXPECT_EQ(list.listIndex(), 0);
    EXPECT_EQ(list.list(0), u"b"_s);
    EXPECT_EQ(list.list(5), QString());
    EXPECT_THROW(list.removeItem(2), RuntimeError);
    list.removeItem(0);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.listCount(), 1);
    list.clear();
    EXPECT_EQ(list.listCount(), 0);
}

TEST(TextBoxTest, ChangeOnEveryChangeAndMaxLengthLimitsTypingOnly) {
    FormFixture f;
    TextBox box(f.form, u"box"_s);
    std::vector<QString> seen;
    box.events.change = [&] {
        seen.push_back(box.text());
    };
    box.setMaxLength(3);
    box.setText(u"abcdef"_s);
    box.setText(u"abcdef"_s);
    box.setSelStart(99);
    EXPECT_EQ(box.selStart(), 6);

    box.userEdited(u"abcdefg"_s, 7);
    EXPECT_EQ(box.text(), u"abcdef"_s);
    box.userEdited(u"ab"_s, 2);
    // A paste of four characters into "ab" keeps the one that fits.
    box.userEdited(u"a1234b"_s, 5);
    EXPECT_EQ(box.text(), u"a1b"_s);
    EXPECT_EQ(box.selStart(), 2);
    box.setText(u"ab"_s);
    EXPECT_EQ(box.selStart(), 0);
    box.setLocked(true);
    box.userEdited(u"abc"_s, 3);
    EXPECT_THAT(seen, testing::ElementsAre(u"abcdef"_s, u"ab"_s, u"a1b"_s, u"ab"_s));
}

TEST(PictureBoxTest, PaintPictureCountsInTheBoxUnitAndClsAndNewPictureClearIt) {
    FormFixture f;
    PictureBox box(f.form, u"box"_s);
    box.move(0, 0, 40 * 15, 20 * 15);
    box.setBackColor(rgb(0, 0, 255));
    box.paintPicture(solidPicture(2, 2, Qt::red), 150, 150, 300, 150);
    EXPECT_EQ(box.point(165, 165), rgb(255, 0, 0));
    EXPECT_EQ(box.point(30 * 15 + 1, 165), rgb(0, 0, 255));
    EXPECT_EQ(box.point(-1, 0), -1);

    box.cls();
    EXPECT_EQ(box.point(165, 165), rgb(0, 0, 255));
    box.paintPicture(solidPicture(2, 2, Qt::red), 0, 0);
    box.setPicture(solidPicture(40, 20, Qt::green));
    EXPECT_EQ(box.point(0, 0), rgb(0, 255, 0));
}

TEST(PictureBoxTest, KeepsAPaintedPictureSharedAndCutToTheBoxAsItWasThen) {
    FormFixture f;
    PictureBox box(f.form, u"box"_s);
    box.move(0, 0, 20 * 15, 20 * 15);
    box.setBackColor(rgb(0, 0, 255));
    const QImage red = solidPicture(40, 40, Qt::red);
    box.paintPicture(red, 0, 0);
    EXPECT_FALSE(red.isDetached());

    box.move(0, 0, 40 * 15, 40 * 15);
    EXPECT_EQ(box.drawing().size(), QSize(40, 40));
    EXPECT_EQ(box.point(10 * 15, 10 * 15), rgb(255, 0, 0));
    EXPECT_EQ(box.point(30 * 15, 30 * 15), rgb(0, 0, 255));
}

TEST(PictureBoxTest, ADeferredPicturePaintedOnItIsReadWhenItIsDrawn) {
    FormFixture f;
    PictureBox box(f.form, u"box"_s);
    box.move(0, 0, 20 * 15, 20 * 15);
    box.setBackColor(rgb(0, 0, 255));
    int decodes = 0;
    const DeferredPicture red(QSize(10, 10), [&decodes] {
        ++decodes;
        return solidPicture(10, 10, Qt::red);
    });
    box.paintPicture(red, 0, 0);
    EXPECT_EQ(decodes, 0);
    EXPECT_EQ(box.point(9 * 15, 9 * 15), rgb(255, 0, 0));
    EXPECT_EQ(box.point(10 * 15, 10 * 15), rgb(0, 0, 255));
    EXPECT_EQ(decodes, 1);
}

TEST(PictureBoxTest, ManyPaintingsWithoutClsAreKeptAsPixelsAndStillShow) {
    FormFixture f;
    PictureBox box(f.form, u"box"_s);
    box.move(0, 0, 20 * 15, 20 * 15);
    box.setBackColor(rgb(0, 0, 255));
    const QImage first = solidPicture(1, 1, Qt::red);
    box.paintPicture(first, 0, 0);
    for (int i = 1; i < 200; ++i) {
        box.paintPicture(solidPicture(1, 1, Qt::red), (i % 20) * 15, (i / 20) * 15);
    }
    // The first picture is no longer held: only the pixels it made are.
    EXPECT_TRUE(first.isDetached());
    EXPECT_EQ(box.point(0, 0), rgb(255, 0, 0));
    EXPECT_EQ(box.point(19 * 15, 9 * 15), rgb(255, 0, 0));
    EXPECT_EQ(box.point(0, 10 * 15), rgb(0, 0, 255));
}

TEST(ColorTest, ConvertsBgrValuesAndSystemColours) {
    EXPECT_EQ(toQColor(rgb(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_EQ(toOleColor(QColor(128, 255, 255)), 0xFFFF80U);
    EXPECT_EQ(toQColor(0x0000FFU), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(systemColor(5)), QColor(255, 255, 255));
}

} // namespace
} // namespace qv::forms::test
