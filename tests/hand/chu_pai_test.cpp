#include "forms/form_host.h"
#include "forms/input_router.h"
#include "hand/chu_pai.h"
#include "table/table_fixture.h"

#include <gtest/gtest.h>

namespace qv::hand {
namespace {

using namespace Qt::StringLiterals;

/// Where the notice stands when centred on the table window.
QPointF centredOn(const forms::Form& table, const forms::Form& notice) {
    return {(table.width() - notice.width()) / 2 + table.left(),
            (table.height() - notice.height()) / 2 + table.top()};
}

QPointF placeOf(const forms::Form& form) {
    return {form.left(), form.top()};
}

class ChuPaiTest : public ::testing::TestWithParam<QSize> {
protected:
    table::testing_support::TableFixture fixture{GetParam()};
    table::MainForm& table = fixture.loaded();
    forms::FormHost& host = fixture.host;
    bool registered =
        (registerHandForms(host, [this] { return host.find<table::MainForm>(); }), true);
};

TEST_P(ChuPaiTest, ControlsAsDesigned) {
    ChuPai& notice = host.get<ChuPai>();
    EXPECT_EQ(notice.caption(), u"出牌非法"_s);
    EXPECT_EQ(notice.borderStyle(), 0);
    EXPECT_EQ(notice.width(), 2730);
    EXPECT_EQ(notice.height(), 975);
    EXPECT_EQ(notice.picture().size(), QSize(182, 66));

    EXPECT_EQ(notice.Label1.pixelRect(), QRectF(136, 0, 41, 17));
    EXPECT_EQ(notice.Label1.caption(), QString());
    EXPECT_EQ(notice.Label1.backStyle(), 0);
    EXPECT_EQ(notice.Label1.mousePointer(), forms::pointer::kCustom);
    EXPECT_EQ(notice.Label1.mouseIcon().size(), QSize(32, 32));

    EXPECT_EQ(notice.Label2.pixelRect(), QRectF(16, 24, 139, 27));
    EXPECT_EQ(notice.Label2.caption(), QString());
    EXPECT_EQ(notice.Label2.backStyle(), 0);
    EXPECT_EQ(notice.Label2.foreColor(), forms::rgb(255, 255, 0));
    EXPECT_EQ(notice.Label2.fontName(), u"MS Sans Serif"_s);
    EXPECT_EQ(notice.Label2.fontSize(), 13.5);
    EXPECT_TRUE(notice.Label2.fontBold());
    // Label1 in front, then Label2.
    EXPECT_EQ(notice.windowlessControls(),
              (std::vector<forms::Control*>{&notice.Label2, &notice.Label1}));
}

TEST_P(ChuPaiTest, LoadingShowsItCentredTopmostAndModeless) {
    EXPECT_EQ(host.find<ChuPai>(), nullptr);
    ChuPai& notice = host.get<ChuPai>();
    EXPECT_TRUE(notice.visible());
    EXPECT_TRUE(notice.topmost());
    EXPECT_FALSE(notice.modal());
    EXPECT_EQ(placeOf(notice), centredOn(table, notice));
}

TEST_P(ChuPaiTest, AQueryLoadsItAndTheCallerHidesIt) {
    host.get<ChuPai>().hide();
    EXPECT_FALSE(host.get<ChuPai>().visible());
}

TEST_P(ChuPaiTest, ASecondRefusalOnlyBringsItToTheFront) {
    ChuPai& notice = host.get<ChuPai>();
    const QPointF place = placeOf(notice);
    notice.showInFront();
    notice.showInFront();
    EXPECT_TRUE(notice.visible());
    EXPECT_EQ(placeOf(notice), place);
    EXPECT_EQ(host.activeForm(), &notice);
}

TEST_P(ChuPaiTest, ARefusedPlayShowsItWhereItWasAndANonPlayCentresIt) {
    ChuPai& notice = host.get<ChuPai>();
    const QPointF first = placeOf(notice);
    notice.hide();
    table.move(table.left() + 1500, table.top() + 600);

    notice.showInFront();
    EXPECT_EQ(placeOf(notice), first);

    notice.hide();
    notice.centreOnTable();
    notice.showInFront();
    EXPECT_TRUE(notice.visible());
    EXPECT_EQ(placeOf(notice), centredOn(table, notice));
    EXPECT_NE(placeOf(notice), first);
}

TEST_P(ChuPaiTest, AClickOnTheCloseSpotHidesIt) {
    ChuPai& notice = host.get<ChuPai>();
    forms::InputRouter mouse(notice);
    mouse.mousePress({20, 40}, forms::mouse::kLeft, 0);
    mouse.mouseRelease({20, 40}, forms::mouse::kLeft, 0);
    EXPECT_TRUE(notice.visible());
    mouse.mousePress({150, 5}, forms::mouse::kLeft, 0);
    mouse.mouseRelease({150, 5}, forms::mouse::kLeft, 0);
    EXPECT_FALSE(notice.visible());
}

std::string scaleName(const ::testing::TestParamInfo<QSize>& info) {
    return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
}

INSTANTIATE_TEST_SUITE_P(Scales, ChuPaiTest, ::testing::Values(QSize(1024, 768), QSize(800, 600)),
                         scaleName);

} // namespace
} // namespace qv::hand
