#include "expected_layout.h"
#include "table_fixture.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::table {
namespace {

using testing_support::ExpectedRect;
using testing_support::findControl;
using testing_support::TableFixture;
using Controls = std::initializer_list<const forms::Control*>;

struct Scale {
    QSize screen;
    double scale;
    double tableWidth;
};

class LayoutTest : public testing::TestWithParam<Scale> {
protected:
    TableFixture fixture{GetParam().screen};
    MainForm& form = fixture.loaded();

    void expectPlaced(const std::vector<ExpectedRect>& expected) {
        for (const ExpectedRect& e : expected) {
            SCOPED_TRACE((e.name + u'(' + QString::number(e.index) + u')').toStdString());
            const forms::Control* control = findControl(form, e.name, e.index);
            ASSERT_NE(control, nullptr);
            EXPECT_NEAR(control->left(), e.left, 0.001);
            EXPECT_NEAR(control->top(), e.top, 0.001);
            if (e.width >= 0) {
                EXPECT_NEAR(control->width(), e.width, 0.001);
                EXPECT_NEAR(control->height(), e.height, 0.001);
            }
        }
    }

    /// Position of `control` in the drawing order of its layer (higher is drawn above).
    static long stackPosition(const forms::Control& control) {
        const auto& layer = control.layer() == forms::Layer::Windowless
                                ? control.container().windowlessControls()
                                : control.container().windowedControls();
        return std::find(layer.begin(), layer.end(), &control) - layer.begin();
    }
};

TEST_P(LayoutTest, PlacesSeatWidgetsButtonsAndVideoPanels) {
    expectPlaced(testing_support::expectedSeatLayout(GetParam().scale));
}

TEST_P(LayoutTest, PlacesPlayControlsTickerChatAndBanner) {
    const Scale& s = GetParam();
    expectPlaced(testing_support::expectedTableLayout(s.scale, s.tableWidth));
    // The newer ticker line sits right under the older one, as high as it turned out.
    const ListBox& older = form.Sysmsg(0);
    const ListBox& newer = form.Sysmsg(1);
    EXPECT_DOUBLE_EQ(newer.height(), older.height());
    EXPECT_DOUBLE_EQ(newer.top(), older.top() + older.height());
    EXPECT_DOUBLE_EQ(newer.left(), older.left());
    EXPECT_DOUBLE_EQ(newer.width(), older.width());
}

TEST_P(LayoutTest, LeavesTheStartStateVisible) {
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_TRUE(form.Tou(seat).visible());
        EXPECT_TRUE(form.Tou(seat).picture().isNull());
        EXPECT_TRUE(form.Nid(seat).visible());
        EXPECT_TRUE(form.Cash(seat).visible());
        EXPECT_TRUE(form.Level(seat).visible());
        EXPECT_TRUE(form.Nid(seat).caption().isEmpty());
        for (const forms::Control* hidden :
             Controls{(&form.lbl_score(seat)), &form.lbl_sort(seat), &form.img_vip(seat),
                      &form.OK(seat), &form.first(seat), &form.ucAni_BBQS(seat), &form.Speak(seat),
                      &form.PicLocal(seat)}) {
            EXPECT_FALSE(hidden->visible()) << hidden->name().toStdString() << seat;
        }
    }
    for (int i = 0; i <= 8; ++i) {
        EXPECT_TRUE(form.AnNiu(i).visible()) << i;
    }
    for (int i = 0; i <= 32; ++i) {
        EXPECT_FALSE(form.cardImage1(i).visible());
        EXPECT_FALSE(form.cardImage2(i).visible());
        EXPECT_FALSE(form.cardImage3(i).visible());
    }
    for (int i = 0; i <= 4; ++i) {
        EXPECT_FALSE(form.Operation(i).visible());
        EXPECT_FALSE(form.Operation(i).enabled());
    }
    for (const forms::Control* hidden :
         Controls{(&form.btnJiaopai(0)), &form.ImgJiaopai(0), &form.Imgwealth, &form.lbwealth,
                  &form.lbfont(0), &form.lbfont(1), &form.lbfont(2), &form.imgCardMove(0),
                  &form.imgCardMove(10), &form.WebBrowser1, &form.WebBrowser2, &form.ImgJadeTask,
                  &form.imgword1, &form.Picture_ani(0), &form.ImgKuang(1), &form.ImgShow(3),
                  &form.lbl_matchtime}) {
        EXPECT_FALSE(hidden->visible()) << hidden->name().toStdString();
    }
    for (const forms::Control* shown :
         Controls{(&form.Sysmsg(0)), &form.Sysmsg(1), &form.Chat, &form.Bird, &form.Bank,
                  &form.ImgJadeExch, &form.imgword2, &form.Location, &form.imgLocation}) {
        EXPECT_TRUE(shown->visible()) << shown->name().toStdString();
    }
    EXPECT_FALSE(form.btnJiaopai(0).enabled());
    EXPECT_TRUE(form.Proponeself.enabled());
    EXPECT_FALSE(form.Timer_ani.enabled());
}

TEST_P(LayoutTest, DrawsBadgesAboveAvatarsAndTextAbovePlates) {
    for (int seat = 0; seat < 4; ++seat) {
        for (int avatar = 0; avatar < 4; ++avatar) {
            EXPECT_GT(stackPosition(form.img_vip(seat)), stackPosition(form.Tou(avatar)));
        }
    }
    EXPECT_GT(stackPosition(form.Location), stackPosition(form.imgLocation));
    // The emoticon spots come after the badges in their own (windowed) layer; the ticker and
    // chat box lie above every image and label because they are windows.
    for (const forms::Control* windowed :
         Controls{(&form.Sysmsg(0)), &form.Chat, &form.ucAni_BBQS(0)}) {
        EXPECT_EQ(windowed->layer(), forms::Layer::Windowed);
    }
    EXPECT_EQ(form.Tou(0).layer(), forms::Layer::Windowless);
    // The chat box lies on the bottom bar and takes the mouse there.
    const QPointF chatCentre = form.Chat.pixelRect().center();
    EXPECT_TRUE(form.imgDilan.pixelRect().contains(chatCentre));
    EXPECT_EQ(form.Pic1.hitTest(chatCentre), &form.Chat);
}

/// A control array that the layouts extend at run time, with its index range afterwards.
struct ArrayRange {
    QStringView name;
    int first;
    int last;
};

// clang-format off
constexpr std::array kLoadedArrays{
    ArrayRange{u"cardImage0", 0, 32}, ArrayRange{u"cardImage1", 0, 32}, ArrayRange{u"cardImage2", 0, 32},
    ArrayRange{u"cardImage3", 0, 32}, ArrayRange{u"Operation", 0, 4},   ArrayRange{u"AnNiu", 0, 8},
    ArrayRange{u"Tou", 0, 3},         ArrayRange{u"Nid", 0, 3},         ArrayRange{u"Cash", 0, 3},
    ArrayRange{u"Level", 0, 3},       ArrayRange{u"lbl_score", 0, 3},   ArrayRange{u"lbl_sort", 0, 3},
    ArrayRange{u"OK", 0, 3},          ArrayRange{u"first", 0, 3},
};
// clang-format on

TEST_P(LayoutTest, LoadsTheArraysAndSetsTheStartValues) {
    for (const ArrayRange& range : kLoadedArrays) {
        SCOPED_TRACE(range.name.toString().toStdString());
        for (int i = range.first; i <= range.last; ++i) {
            EXPECT_NE(findControl(form, range.name.toString(), i), nullptr) << i;
        }
        EXPECT_EQ(findControl(form, range.name.toString(), range.last + 1), nullptr);
    }
    const TableState& table = fixture.table;
    EXPECT_TRUE(table.AnNiuLocked[2]);
    EXPECT_EQ(std::count(table.AnNiuLocked.begin(), table.AnNiuLocked.end(), true), 1);
    EXPECT_EQ(std::count(table.AnNiuHover.begin(), table.AnNiuHover.end(), true), 0);
    EXPECT_EQ(std::count(table.OperationHover.begin(), table.OperationHover.end(), true), 0);
    EXPECT_EQ(table.HandBackSize1, (std::array<int, 8>{108, 200, 240, 200, 240, 200, 240, 200}));
    EXPECT_EQ(table.HandBackSize2, (std::array<int, 8>{146, 126, 220, 175, 220, 175, 220, 175}));
    EXPECT_EQ(table.HandBackSize3, (std::array<int, 8>{216, 200, 240, 200, 240, 200, 240, 200}));
    EXPECT_EQ(fixture.match.RoomBase, 200.0);
    EXPECT_EQ(fixture.match.RoomDirection, 0);
    EXPECT_FALSE(fixture.plugin.g_bVipAnim);
    EXPECT_FALSE(table.g_bCountdownAnim);
    EXPECT_EQ(fixture.plugin.VipAnimFrame, (std::array<int, 4>{}));
    // The created ready marks start with the design element's picture.
    EXPECT_EQ(form.OK(3).picture().size(), QSize(70, 29));
    EXPECT_EQ(form.OK(3).picture(), form.OK(0).picture());
    EXPECT_EQ(form.ImgJadeTask.tag(), u"0"_s);
    EXPECT_EQ(form.imgword2.tag(), u"0"_s);
}

TEST_P(LayoutTest, ShrinksFontsAndStretchesCommandButtonsOnlyOnTheSmallTable) {
    const bool small = GetParam().scale < 1.0;
    EXPECT_EQ(form.Level(0).fontSize(), small ? 8 : 10.5);
    EXPECT_EQ(form.Level(3).fontSize(), small ? 8 : 10.5);
    EXPECT_EQ(form.Cash(2).fontSize(), small ? 8 : form.Cash(0).fontSize());
    EXPECT_NE(form.Cash(0).fontSize(), 8);
    EXPECT_EQ(form.Number.fontSize(), small ? 12 : 18);
    EXPECT_EQ(form.Sysmsg(1).fontSize(), small ? 8 : form.Sysmsg(1).fontSize());
    EXPECT_EQ(form.ImCmd(7).stretch(), small);
    // The button row takes the small picture set below full scale, except the send button.
    EXPECT_EQ(form.AnNiu(0).picture().size(), QSize(48, 30));
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(form.AnNiu(i).picture().size(), small ? QSize(43, 24) : QSize(55, 31)) << i;
    }
    EXPECT_EQ(form.lbwealth.fontSize(), 18);
    EXPECT_EQ(form.font().pointSizeF(), 10);
}

INSTANTIATE_TEST_SUITE_P(Scales, LayoutTest,
                         testing::Values(Scale{{1024, 768}, 1.0, 1024},
                                         Scale{{800, 600}, 0.78125, 800}),
                         [](const testing::TestParamInfo<Scale>& param) {
                             return param.param.scale < 1.0 ? "Small" : "Full";
                         });

} // namespace
} // namespace qv::table
