#include "forms/input_router.h"
#include "table/chat_windows.h"
#include "table/skin_tiles.h"
#include "table/window_chrome.h"
#include "table_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::table {
namespace {

using testing_support::solidPicture;

const QColor kSkin{10, 20, 30};
const QColor kNormal{1, 0, 0};
const QColor kHover{2, 0, 0};
const QColor kPressed{3, 0, 0};

class ChromeTest : public testing::Test {
protected:
    ChromeTest() {
        fixture.host.setWindowSystem(&windows);
        form.Skin.setPicture(solidPicture(46, 220, kSkin));
        for (ControlArray<Image>* button : {&form.ImgClose, &form.ImgMin}) {
            (*button)(1).setPicture(solidPicture(16, 16, kNormal));
            (*button)(2).setPicture(solidPicture(16, 16, kHover));
            (*button)(3).setPicture(solidPicture(16, 16, kPressed));
        }
        form.Form_Load();
    }

    static QColor shown(const ControlArray<Image>& button) {
        return button(0).picture().pixelColor(0, 0);
    }

    // Outlives the host, which tells it of the forms it unloads.
    testing_support::RecordingWindows windows;
    testing_support::TableFixture fixture{{1280, 1024}};
    MainForm& form = fixture.form;
};

TEST_F(ChromeTest, PaintsTheBorderAndPlacesTheTitleBar) {
    EXPECT_EQ(form.width(), 15600);
    EXPECT_EQ(form.height(), 11940);
    const QImage& painted = form.drawing();
    ASSERT_FALSE(painted.isNull());
    for (const QPoint pixel :
         {QPoint(2, 2), QPoint(520, 10), QPoint(1037, 400), QPoint(3, 793), QPoint(520, 793)}) {
        EXPECT_EQ(painted.pixelColor(pixel), kSkin) << pixel.x() << ',' << pixel.y();
    }
    EXPECT_EQ(form.ImgClose(0).left(), 15290);
    EXPECT_EQ(form.ImgMin(0).left(), 15020);
    EXPECT_EQ(form.ImgClose(0).top(), 25);
    EXPECT_EQ(form.ImgMin(0).top(), 25);
    EXPECT_EQ(form.LbMove.left(), 290);
    EXPECT_EQ(form.LbMove.width(), 14730);
    EXPECT_EQ(form.LbMove.height(), 290);
    EXPECT_EQ(form.lcaption.left(), 300);
    EXPECT_EQ(form.lcaption.top(), 25);
    EXPECT_EQ(form.lcaption.foreColor(), forms::rgb(255, 255, 255));
    EXPECT_EQ(shown(form.ImgClose), kNormal);
    EXPECT_EQ(shown(form.ImgMin), kNormal);
}

TEST_F(ChromeTest, ButtonsFollowTheMouseUntilItRestsOnTheBorder) {
    ChromeButton_MouseMove(form, true, 0);
    EXPECT_EQ(shown(form.ImgClose), kHover);
    EXPECT_FALSE(form.ChromeAtRest);
    // Jumping onto the other button without touching the border leaves both as they were.
    ChromeButton_MouseMove(form, false, 0);
    EXPECT_EQ(shown(form.ImgMin), kNormal);
    EXPECT_EQ(shown(form.ImgClose), kHover);

    ChromeButton_MouseDown(form, true, 0);
    EXPECT_EQ(shown(form.ImgClose), kPressed);
    ChromeButton_MouseUp(form, true, 0);
    EXPECT_EQ(shown(form.ImgClose), kHover);

    Form_MouseMove(form);
    EXPECT_TRUE(form.ChromeAtRest);
    EXPECT_EQ(shown(form.ImgClose), kNormal);

    ChromeButton_MouseMove(form, false, 0);
    EXPECT_EQ(shown(form.ImgMin), kHover);
    LbMove_MouseMove(form);
    EXPECT_EQ(shown(form.ImgMin), kNormal);
    EXPECT_EQ(form.LbMove.mousePointer(), forms::pointer::kArrow);
}

TEST_F(ChromeTest, CloseOpensTheExitButtonAndMinimiseMinimises) {
    QList<int> clicked;
    form.AnNiu.events.click = [&clicked](int index) {
        clicked.append(index);
    };
    ImgClose_Click(form, 0);
    EXPECT_EQ(clicked, QList<int>{8});
    EXPECT_EQ(form.windowState(), forms::window_state::kNormal);
    ImgMin_Click(form, 0);
    EXPECT_EQ(form.windowState(), forms::window_state::kMinimized);
}

TEST_F(ChromeTest, DraggingTheBandMovesTheWindowWithTheLeftButtonOnly) {
    LbMove_MouseDown(form, forms::mouse::kRight);
    EXPECT_EQ(windows.moves, 0);
    EXPECT_EQ(form.host().find<Talk>(), nullptr);

    form.host().get<Talk>().show();
    LbMove_MouseDown(form, forms::mouse::kLeft);
    EXPECT_EQ(windows.moves, 1);
    EXPECT_FALSE(form.host().get<Talk>().visible());
    const huifu* phrases = form.host().find<huifu>();
    ASSERT_NE(phrases, nullptr);
    EXPECT_FALSE(phrases->visible());
    EXPECT_EQ(form.LbMove.mousePointer(), forms::pointer::kSizeAll);
}

TEST_F(ChromeTest, ThroughTheMouseAReleaseOffTheButtonDoesNotClose) {
    QList<int> clicked;
    form.AnNiu.events.click = [&clicked](int index) {
        clicked.append(index);
    };
    forms::InputRouter mouse(form);
    const QPointF onClose(1025, 8);
    const QPointF onBand(500, 10);
    const QPointF onTable(500, 400);

    mouse.mouseMove(onClose, 0, 0);
    EXPECT_EQ(shown(form.ImgClose), kHover);
    mouse.mousePress(onClose, forms::mouse::kLeft, 0);
    EXPECT_EQ(shown(form.ImgClose), kPressed);
    mouse.mouseRelease(onTable, forms::mouse::kLeft, 0);
    EXPECT_EQ(shown(form.ImgClose), kHover);
    EXPECT_TRUE(clicked.isEmpty());
    mouse.mouseMove(onBand, 0, 0);
    EXPECT_EQ(shown(form.ImgClose), kNormal);

    mouse.mousePress(onBand, forms::mouse::kLeft, 0);
    mouse.mouseRelease(onBand, forms::mouse::kLeft, 0);
    EXPECT_EQ(windows.moves, 1);

    mouse.mousePress(onClose, forms::mouse::kLeft, 0);
    mouse.mouseRelease(onClose, forms::mouse::kLeft, 0);
    EXPECT_EQ(clicked, QList<int>{8});
}

TEST(SkinTiles, StretchTheBandAndEdgesBetweenTheCorners) {
    const auto tiles = skinTiles(15600, 11940);
    EXPECT_EQ(tiles[1].destination, QRect(120, 0, 15360, 300));
    EXPECT_EQ(tiles[1].source, QRect(120, 0, 120, 300));
    EXPECT_EQ(tiles[4].destination, QRect(15480, 300, 120, 11520));
    EXPECT_EQ(tiles[4].source, QRect(570, 300, 120, 2880));
    EXPECT_EQ(tiles[7].destination, QRect(15480, 11820, 120, 120));
    EXPECT_EQ(tiles[7].source, QRect(570, 3180, 120, 120));
}

TEST(ChromeOnDesignScreen, PaintsNoSkin) {
    testing_support::TableFixture fixture;
    fixture.form.Skin.setPicture(solidPicture(46, 220, kSkin));
    fixture.loaded();
    const QImage& painted = fixture.form.drawing();
    EXPECT_TRUE(painted.isNull() || painted.pixelColor(2, 2).alpha() == 0);
}

} // namespace
} // namespace qv::table
