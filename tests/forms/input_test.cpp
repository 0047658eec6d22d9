#include "forms/input_router.h"
#include "test_form.h"

#include <gmock/gmock.h>

namespace qv::forms::test {
namespace {

using namespace Qt::StringLiterals;

// Pic1 (pixels) at 100,100 on the twips form holds two overlapping images, a label over part
// of them and a list box; the form's own surface lies around it.
struct InputFixture : FormFixture {
    PictureBox pic1{form, u"Pic1"_s};
    Image lower{pic1, u"lower"_s};
    Image upper{pic1, u"upper"_s};
    Label label{pic1, u"label"_s};
    ListBox list{pic1, u"list"_s};
    InputRouter router{form};
    std::vector<QString> log;

    InputFixture() {
        pic1.move(1500, 1500, 500 * 15, 400 * 15);
        pic1.setScaleMode(ScaleMode::Pixels);
        lower.move(10, 10, 100, 100);
        upper.move(50, 50, 100, 100);
        label.move(0, 200, 300, 50);
        list.move(120, 80, 100, 100);
        f(lower);
        f(upper);
        f(label);
        f(list);
        f(pic1);
        f(form);
        form.show();
    }
    void f(Component& c) {
        c.eventSlots().click = [this, &c] {
            log.push_back(c.name());
        };
        c.eventSlots().mouseDown = [this, &c](int button, int, double x, double y) {
            log.push_back(u"%1 down %2 %3,%4"_s.arg(c.name()).arg(button).arg(x).arg(y));
        };
    }
    void click(double formX, double formY) {
        log.clear();
        router.mousePress({formX, formY}, mouse::kLeft, 0);
        router.mouseRelease({formX, formY}, mouse::kLeft, 0);
    }
};

TEST(InputTest, ClickReachesTheTopmostVisibleEnabledControlElseTheContainer) {
    InputFixture f;
    // Pic1's origin is at form pixel (100, 100).
    f.click(100 + 60, 100 + 60);
    EXPECT_THAT(f.log, testing::ElementsAre(u"upper down 1 10,10"_s, u"upper"_s));

    f.upper.setVisible(false);
    f.click(100 + 60, 100 + 60);
    EXPECT_THAT(f.log, testing::ElementsAre(u"lower down 1 50,50"_s, u"lower"_s));

    f.lower.setEnabled(false);
    f.click(100 + 60, 100 + 60);
    EXPECT_THAT(f.log, testing::ElementsAre(u"Pic1 down 1 60,60"_s, u"Pic1"_s));

    // Outside Pic1 the form gets it, in its own unit (twips).
    f.click(20, 30);
    EXPECT_THAT(f.log, testing::ElementsAre(u"TestForm down 1 300,450"_s, u"TestForm"_s));
}

TEST(InputTest, WindowlessControlsStayBelowWindowedOnesWhateverTheOrderOfCalls) {
    InputFixture f;
    f.upper.zOrder(0);
    f.list.zOrder(1);
    f.upper.zOrder(0);
    // upper and list overlap at (130, 90) of Pic1.
    EXPECT_EQ(f.pic1.hitTest({130, 90}), &f.list);
    EXPECT_THAT(f.pic1.windowlessControls(), testing::ElementsAre(&f.lower, &f.label, &f.upper));
    EXPECT_THAT(f.pic1.windowedControls(), testing::ElementsAre(&f.list));
}

TEST(InputTest, ZOrderWithinALayerDecidesWhichOverlappingControlIsHit) {
    InputFixture f;
    EXPECT_EQ(f.pic1.hitTest({60, 60}), &f.upper);
    f.lower.zOrder(0);
    EXPECT_EQ(f.pic1.hitTest({60, 60}), &f.lower);
    f.lower.zOrder(1);
    EXPECT_EQ(f.pic1.hitTest({60, 60}), &f.upper);
    EXPECT_THAT(f.pic1.windowlessControls(), testing::ElementsAre(&f.lower, &f.upper, &f.label));
}

TEST(InputTest, AControlEndsBeforeThePixelOfItsRightAndBottomEdges) {
    InputFixture f;
    // upper covers pixels 50..149 of Pic1 both ways; lower now lies beside it, below it in order.
    f.lower.move(150, 50, 100, 20);
    EXPECT_EQ(f.pic1.hitTest({149, 60}), &f.upper);
    EXPECT_EQ(f.pic1.hitTest({150, 60}), &f.lower);
    EXPECT_EQ(f.pic1.hitTest({60, 150}), nullptr);
    // Pic1 covers form pixels 100..599 across.
    EXPECT_EQ(f.form.hitTest({599, 120}), &f.pic1);
    EXPECT_EQ(f.form.hitTest({600, 120}), nullptr);
}

TEST(InputTest, ThePressedControlKeepsTheMouseAndClicksOnlyWhenReleasedOverIt) {
    InputFixture f;
    std::vector<QString> moves;
    f.upper.events.mouseMove = [&moves](int, int, double x, double y) {
        moves.push_back(u"%1,%2"_s.arg(x).arg(y));
    };
    f.router.mousePress({160, 160}, mouse::kLeft, 0);
    f.router.mouseMove({20, 20}, mouse::kLeft, 0);
    f.log.clear();
    f.router.mouseRelease({20, 20}, mouse::kLeft, 0);
    EXPECT_THAT(moves, testing::ElementsAre(u"-130,-130"_s));
    EXPECT_TRUE(f.log.empty());

    f.click(160, 160);
    f.router.mouseDoubleClick({160, 160}, mouse::kLeft, 0);
    f.router.mouseRelease({160, 160}, mouse::kLeft, 0);
    EXPECT_THAT(f.log, testing::ElementsAre(u"upper down 1 10,10"_s, u"upper"_s));
}

TEST(InputTest, RightButtonDoesNotClick) {
    InputFixture f;
    f.router.mousePress({160, 160}, mouse::kRight, shift::kShift);
    f.router.mouseRelease({160, 160}, mouse::kRight, shift::kShift);
    EXPECT_THAT(f.log, testing::ElementsAre(u"upper down 2 10,10"_s));
}

TEST(InputTest, KeysGoToTheFocusedControlAfterThePreviewingForm) {
    InputFixture f;
    std::vector<QString> keys;
    f.form.events.keyPress = [&keys](int& key) {
        keys.push_back(u"form %1"_s.arg(key));
        if (key == 27) {
            key = 0;
        }
    };
    f.list.events.keyPress = [&keys](int& key) {
        keys.push_back(u"list %1"_s.arg(key));
    };
    int key = 'a';
    f.router.keyPress(key);
    ASSERT_TRUE(f.list.setFocus());
    f.router.keyPress(key);
    f.form.setKeyPreview(true);
    f.router.keyPress(key);
    key = 27;
    EXPECT_FALSE(f.router.keyPress(key));
    EXPECT_THAT(keys, testing::ElementsAre(u"form 97"_s, u"list 97"_s, u"form 97"_s, u"list 97"_s,
                                           u"form 27"_s));
}

TEST(InputTest, FocusNeedsAVisibleEnabledWindowedControl) {
    InputFixture f;
    std::vector<QString> focus;
    f.list.events.gotFocus = [&focus] {
        focus.emplace_back(u"list got"_s);
    };
    f.list.events.lostFocus = [&focus] {
        focus.emplace_back(u"list lost"_s);
    };
    EXPECT_FALSE(f.label.setFocus());
    f.list.setVisible(false);
    EXPECT_FALSE(f.list.setFocus());
    f.list.setVisible(true);
    EXPECT_TRUE(f.list.setFocus());
    f.click(100 + 5, 100 + 5);
    EXPECT_EQ(f.form.activeControl(), &f.pic1);
    f.pic1.setVisible(false);
    EXPECT_EQ(f.form.activeControl(), nullptr);
    EXPECT_THAT(focus, testing::ElementsAre(u"list got"_s, u"list lost"_s));
}

} // namespace
} // namespace qv::forms::test
