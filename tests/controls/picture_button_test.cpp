#include "control_fixture.h"
#include "controls/picture_button.h"
#include "forms/qt/render_to_image.h"

#include <gmock/gmock.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv::controls::test {
namespace {

using namespace Qt::StringLiterals;
using forms::mouse::kLeft;

/// A button at (10, 10), 40 x 30 pixels, with its events written to `log`.
struct ButtonFixture : ControlFixture {
    ButtonFixture() {
        button.move(10, 10, 40, 30);
        button.init();
        button.events.mouseMove = [this](int, int, double, double) {
            log.push_back("move");
        };
        button.events.mouseDown = [this](int, int, double, double) {
            log.push_back("down");
        };
        button.events.mouseUp = [this](int, int, double, double) {
            log.push_back("up");
        };
        button.events.click = [this] {
            log.push_back("click");
        };
        button.events.dblClick = [this] {
            log.push_back("dblclick");
        };
    }
    void apply(char step) {
        const QPointF over(30, 25);
        switch (step) {
        case 'm':
            input.mouseMove(over, 0, 0);
            break;
        case 'p':
            input.mousePress(over, kLeft, 0);
            break;
        case 'r':
            input.mouseRelease(over, kLeft, 0);
            break;
        case 'o':
            button.MouseOut();
            break;
        default:
            throw std::invalid_argument("unknown step");
        }
    }

    inode_pic button{form.pic1, u"ImgShowMatch"_s};
    std::vector<std::string> log;
};

struct Sequence {
    const char* name;
    bool normal;
    bool hover;
    bool selected;
    std::uint8_t startState;
    bool enabled;
    const char* steps;
    std::uint8_t endState;
    std::vector<std::string> events;
    bool repainted;
};

std::string sequenceName(const ::testing::TestParamInfo<Sequence>& info) {
    return info.param.name;
}

void PrintTo(const Sequence& c, std::ostream* os) {
    *os << c.name << " [" << c.steps << "]";
}

class PictureButtonStates : public ::testing::TestWithParam<Sequence> {};

TEST_P(PictureButtonStates, EventSequenceEndsInItsStateWithItsEvents) {
    const Sequence& c = GetParam();
    ButtonFixture f;
    const QSize size(40, 30);
    if (c.normal) {
        f.button.setMouseOriPic(picture(size, Qt::blue));
    }
    if (c.hover) {
        f.button.setMouseInPic(picture(size, Qt::yellow));
    }
    if (c.selected) {
        f.button.setISelectPic(picture(size, Qt::magenta));
    }
    f.button.setINotPic(picture(size, Qt::gray));
    f.button.setIState(c.startState);
    if (!c.enabled) {
        f.button.setEnabled(false);
    }
    const auto before = f.button.revision();

    for (const char* step = c.steps; *step != 0; ++step) {
        f.apply(*step);
    }

    EXPECT_EQ(f.button.iState(), c.endState);
    EXPECT_EQ(f.log, c.events);
    EXPECT_EQ(f.button.revision() != before, c.repainted);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PictureButtonStates,
    ::testing::Values(
        Sequence{"NoHoverPictureStaysNormal",
                 true,
                 false,
                 false,
                 0,
                 true,
                 "mmo",
                 0,
                 {"move", "move"},
                 false},
        Sequence{"HoverThenMouseOut", true, true, false, 0, true, "mmo", 0, {"move", "move"}, true},
        Sequence{"PressWithoutSelectedPicture",
                 true,
                 true,
                 false,
                 1,
                 true,
                 "pr",
                 1,
                 {"down", "click", "up"},
                 false},
        Sequence{"PressSelects", true, true, true, 0, true, "pr", 2, {"down", "click", "up"}, true},
        Sequence{"PressInStateTwoRaisesAgain",
                 true,
                 true,
                 true,
                 2,
                 true,
                 "pmo",
                 2,
                 {"down", "click", "move"},
                 false},
        Sequence{"MouseOutWithoutNormalPictureKeepsHover",
                 false,
                 true,
                 false,
                 1,
                 true,
                 "o",
                 1,
                 {},
                 false},
        Sequence{"StateThreeIgnoresTheMouse", true, true, true, 3, true, "mo", 3, {"move"}, false},
        Sequence{"DisabledTakesNoInput", true, true, true, 0, false, "mpro", 0, {}, false}),
    sequenceName);

TEST(PictureButtonTest, WhitePixelsOfThePictureShowTheSurfaceBehindAndTakeNoClick) {
    ButtonFixture f;
    // Left 10 columns white, the rest blue.
    f.button.setMouseOriPic(picture({40, 30}, Qt::blue, 10));
    f.button.refresh();

    const QImage grab = forms::qt::renderToImage(f.form);
    EXPECT_EQ(countNear(grab, QRect(10, 10, 10, 30), QColor(0, 128, 0)), 10 * 30);
    EXPECT_EQ(countNear(grab, QRect(20, 10, 30, 30), Qt::blue), 30 * 30);

    f.input.mousePress({15, 20}, kLeft, 0);
    f.input.mouseRelease({15, 20}, kLeft, 0);
    EXPECT_THAT(f.log, ::testing::IsEmpty());
    f.input.mousePress({25, 20}, kLeft, 0);
    EXPECT_THAT(f.log, ::testing::ElementsAre("down", "click"));
}

TEST(PictureButtonTest, AStateWithoutPictureKeepsTheLastShapeAndDrawsOnlyTheCaption) {
    ButtonFixture f;
    f.button.setMouseOriPic(picture({40, 30}, Qt::blue, 10));
    f.button.setIColor(forms::rgb(255, 255, 0));
    f.button.setIFontSize(14);
    f.button.setICaption(u"赛"_s);
    f.button.setIState(3);

    const QImage grab = forms::qt::renderToImage(f.form);
    EXPECT_EQ(countNear(grab, QRect(10, 10, 40, 30), Qt::blue), 0);
    EXPECT_GT(countNear(grab, QRect(20, 10, 30, 30), Qt::yellow), 4);
    EXPECT_EQ(countNear(grab, QRect(10, 10, 10, 30), Qt::yellow), 0) << "white part of the shape";
    EXPECT_EQ(f.form.hitTest({15, 20}), &f.form.pic1);
}

TEST(PictureButtonTest, CaptionNeedsAFontNameAndAPositiveSize) {
    ControlFixture f;
    inode_pic button(f.form.pic1, u"ImgMatchListName"_s);
    button.move(10, 10, 60, 30);
    button.setMouseOriPic(picture({60, 30}, Qt::blue));
    EXPECT_EQ(button.iCaption(), u"1"_s);
    EXPECT_EQ(button.iColor(), forms::rgb(255, 255, 255));
    // Where a caption is drawn, some of the picture's pixels are no longer blue.
    const QRect area(10, 10, 60, 30);
    const int whole = area.width() * area.height();
    button.setICaption(u"赛事"_s);
    EXPECT_EQ(countNear(forms::qt::renderToImage(f.form), area, Qt::blue), whole);

    button.setIFontName(u"宋体"_s);
    button.refresh();
    EXPECT_LT(countNear(forms::qt::renderToImage(f.form), area, Qt::blue), whole - 5);

    button.setIFontSize(0);
    button.refresh();
    EXPECT_EQ(countNear(forms::qt::renderToImage(f.form), area, Qt::blue), whole);
}

TEST(PictureButtonTest, InitKeepsTheDisabledPictureAndStateAndTheNextStoreRepaints) {
    ButtonFixture f;
    f.button.setINotPic(picture({40, 30}, Qt::gray));
    f.button.setMouseInPic(picture({40, 30}, Qt::yellow));
    f.button.setIState(1);
    f.button.setCursorPicture(picture({32, 32}, Qt::red));

    f.button.init();
    EXPECT_EQ(f.button.iState(), 1);
    EXPECT_FALSE(f.button.iNotPic().isNull());
    EXPECT_TRUE(f.button.MouseInPic().isNull());
    EXPECT_TRUE(f.button.cursorPicture().isNull());
    EXPECT_EQ(f.button.iFont(), u"宋体"_s);
    EXPECT_EQ(f.button.iFontSize(), 10);

    f.button.setEnabled(false);
    EXPECT_EQ(countNear(forms::qt::renderToImage(f.form), QRect(10, 10, 40, 30), Qt::gray),
              40 * 30);
}

TEST(PictureButtonTest, CursorPictureTakesEffectOnTheNextRefresh) {
    ButtonFixture f;
    f.button.setCursorPicture(picture({32, 32}, Qt::red));
    EXPECT_EQ(f.button.mousePointer(), forms::pointer::kDefault);
    f.button.refresh();
    EXPECT_EQ(f.button.mousePointer(), forms::pointer::kCustom);
    EXPECT_EQ(f.button.mouseIcon().size(), QSize(32, 32));
}

TEST(PictureButtonTest, HandlerErrorsDoNotStopTheButton) {
    ButtonFixture f;
    f.button.setMouseOriPic(picture({40, 30}, Qt::blue));
    f.button.setMouseInPic(picture({40, 30}, Qt::yellow));
    f.button.events.mouseMove = [](int, int, double, double) {
        throw std::runtime_error("host");
    };
    f.button.events.mouseDown = f.button.events.mouseMove;

    f.input.mouseMove({30, 25}, 0, 0);
    f.input.mousePress({30, 25}, kLeft, 0);
    EXPECT_EQ(f.button.iState(), 1);
    EXPECT_THAT(f.log, ::testing::ElementsAre("click"));
}

TEST(PictureButtonTest, SetFormSizesTheButtonToThePicture) {
    ButtonFixture f;
    f.button.setMouseOriPic(picture({64, 20}, Qt::blue), inode_pic::Store::Set);
    EXPECT_EQ(f.button.pixelRect(), QRectF(10, 10, 64, 20));
    EXPECT_EQ(countNear(forms::qt::renderToImage(f.form), QRect(10, 10, 64, 20), Qt::blue),
              64 * 20);
}

} // namespace
} // namespace qv::controls::test
