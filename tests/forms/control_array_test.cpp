#include "test_form.h"

#include <gmock/gmock.h>

namespace qv::forms::test {
namespace {

using namespace Qt::StringLiterals;

struct ArrayFixture : FormFixture {
    PictureBox surface{form, u"Pic1"_s};
    ControlArray<Image> cards{surface, u"cardImage1"_s};
    ControlArray<Label> names{surface, u"Nid"_s};

    ArrayFixture() {
        surface.setScaleMode(ScaleMode::Pixels);
        surface.move(0, 0, 15360, 11520);
        Image& card = cards[0];
        card.setStretch(true);
        card.move(360, 432, 81, 97);
        card.setPicture(solidPicture(78, 103));
        card.setMousePointer(pointer::kCustom);
        card.setMouseIcon(solidPicture(32, 32));
        card.setTag(u"t"_s);
        Label& name = names[0];
        name.setFontName(u"宋体"_s);
        name.setFontSize(10.5);
        name.setForeColor(rgb(128, 255, 255));
        name.setBackColor(rgb(1, 2, 3));
        name.setBackStyle(1);
    }
};

TEST(ControlArrayTest, LoadCopiesTheDesignElementHidden) {
    ArrayFixture f;
    Image& card = f.cards.load(1);
    EXPECT_FALSE(card.visible());
    EXPECT_EQ(card.index(), 1);
    EXPECT_EQ(card.name(), u"cardImage1"_s);
    EXPECT_EQ(&card.container(), &f.surface);
    EXPECT_TRUE(card.stretch());
    EXPECT_EQ(card.picture(), f.cards[0].picture());
    EXPECT_EQ(card.pixelRect(), f.cards[0].pixelRect());
    EXPECT_EQ(card.mousePointer(), pointer::kCustom);
    EXPECT_FALSE(card.mouseIcon().isNull());
    EXPECT_EQ(card.tag(), u"t"_s);

    Label& name = f.names.load(3);
    EXPECT_FALSE(name.visible());
    EXPECT_EQ(name.font(), f.names[0].font());
    EXPECT_EQ(name.foreColor(), rgb(128, 255, 255));
    EXPECT_EQ(name.backColor(), rgb(1, 2, 3));
    EXPECT_EQ(name.backStyle(), 1);
    EXPECT_EQ(f.names.lBound(), 0);
    EXPECT_EQ(f.names.uBound(), 3);
    EXPECT_EQ(f.names.count(), 2);
}

TEST(ControlArrayTest, MissingAndDuplicateElementsAreRunTimeErrors) {
    ArrayFixture f;
    try {
        (void)f.cards[1];
        FAIL();
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), RuntimeError::kNoSuchElement);
    }
    f.cards.load(1);
    try {
        f.cards.load(1);
        FAIL();
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), RuntimeError::kAlreadyLoaded);
    }
}

TEST(ControlArrayTest, ElementsRaiseThroughTheArrayWithTheirIndex) {
    ArrayFixture f;
    ControlArray<Image> buttons(f.surface, u"ImgKuang"_s, {1, 2, 3});
    std::vector<int> clicked;
    buttons.events.click = [&clicked](int index) {
        clicked.push_back(index);
    };
    buttons[3].raiseClick();
    buttons[1].raiseClick();
    EXPECT_THAT(clicked, testing::ElementsAre(3, 1));
    EXPECT_EQ(buttons.lBound(), 1);

    // A new element copies the lowest one and raises like the others.
    buttons.load(7).raiseClick();
    EXPECT_THAT(clicked, testing::ElementsAre(3, 1, 7));
}

TEST(ControlArrayTest, DesignedElementsMayLieInDifferentContainers) {
    ArrayFixture f;
    PictureBox strip(f.surface, u"PicLocal"_s);
    ControlArray<Image> commands(u"ImCmd"_s, {{&f.surface, 0}, {&strip, 4}});
    EXPECT_EQ(&commands[0].container(), &f.surface);
    EXPECT_EQ(&commands[4].container(), &strip);
    EXPECT_EQ(commands[4].index(), 4);
    // A loaded element joins the lowest element's container.
    EXPECT_EQ(&commands.load(5).container(), &f.surface);
}

TEST(ControlArrayTest, LoadedElementsGoOnTopOfTheirLayer) {
    ArrayFixture f;
    f.cards.load(1);
    f.cards.load(2);
    EXPECT_THAT(f.surface.windowlessControls(),
                testing::ElementsAre(&f.cards[0], &f.names[0], &f.cards[1], &f.cards[2]));
}

} // namespace
} // namespace qv::forms::test
