#include "table_fixture.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace qv::table {
namespace {

using testing_support::TableFixture;

TEST(MainFormDesign, IsTheTableWindowAsDesigned) {
    TableFixture fixture;
    const MainForm& form = fixture.form;
    EXPECT_EQ(form.caption(), u"quorv"_s);
    EXPECT_EQ(form.borderStyle(), 0);
    EXPECT_EQ(form.width(), 15360);
    EXPECT_EQ(form.height(), 11520);
    EXPECT_EQ(form.Pic1.scaleMode(), forms::ScaleMode::Pixels);
    EXPECT_EQ(form.Pic_prize.scaleMode(), forms::ScaleMode::Twips);
    EXPECT_NEAR(form.Pic_matchDetail.scaleWidth(), 278, 0.01);
    EXPECT_EQ(form.Sysmsg(1).backColor(), forms::rgb(0, 0, 0));
    EXPECT_EQ(form.Chat.maxLength(), 100);
    EXPECT_EQ(form.ImCmd(9).container().component().name(), u"PicLocal"_s);
    EXPECT_EQ(form.ImCmd(9).container().component().index(), 2);
    EXPECT_EQ(form.ImgCloseList(1).container().component().name(), u"Pic_sortDetail"_s);
}

TEST(MainFormDesign, TimersStartWithTheirDesignIntervals) {
    TableFixture fixture;
    const MainForm& form = fixture.form;
    struct Expect {
        const Timer* timer;
        int interval;
        bool enabled;
    };
    for (const Expect& e :
         {Expect{&form.TimerBong, 50, false}, Expect{&form.TimerKeepAlive, 5000, false},
          Expect{&form.TimerChat, 800, false}, Expect{&form.TimerProp, 50, false},
          Expect{&form.Timer_Zoom, 100, false}, Expect{&form.Timer_Vshow1, 30, false},
          Expect{&form.Timer_Vshow2, 0, false}, Expect{&form.Timer_Vshow3, 0, false},
          Expect{&form.TimerShuffle, 1000, false}, Expect{&form.Timerformer, 3000, false},
          Expect{&form.TimerMusic, 500, false}, Expect{&form.Timer_ani, 0, true}}) {
        SCOPED_TRACE(e.timer->name().toStdString());
        EXPECT_EQ(e.timer->interval(), e.interval);
        EXPECT_EQ(e.timer->enabled(), e.enabled);
    }
}

struct FitCase {
    QSize screen;
    float scale;
    QRectF window;
    QRectF pic1;
    QRectF bottomBar;
    QRectF topBar;
};

class ScreenFitFormTest : public testing::TestWithParam<FitCase> {};

TEST_P(ScreenFitFormTest, FitsWindowSurfaceAndBars) {
    const FitCase& c = GetParam();
    TableFixture fixture{c.screen};
    MainForm& form = fixture.form;
    form.Pic2.setPicture(testing_support::solidPicture(800, 600, Qt::blue));
    form.FitToScreen(c.screen);
    EXPECT_EQ(fixture.table.ScaleX, c.scale);
    EXPECT_EQ(fixture.table.ScaleY, c.scale);
    EXPECT_EQ(QRectF(form.left(), form.top(), form.width(), form.height()), c.window);
    EXPECT_EQ(QRectF(form.Pic1.left(), form.Pic1.top(), form.Pic1.width(), form.Pic1.height()),
              c.pic1);
    const auto rectOf = [](const Image& bar) {
        return QRectF(bar.left(), bar.top(), bar.width(), bar.height());
    };
    EXPECT_EQ(rectOf(form.imgDilan), c.bottomBar);
    EXPECT_EQ(rectOf(form.imgDinglan), c.topBar);
    const bool small = c.scale < 1.0F;
    EXPECT_EQ(form.imgDilan.stretch(), small);
    // The small table shows the 800 x 600 background, copied unscaled at the top left.
    const QImage surface = form.Pic1.composedImage();
    EXPECT_EQ(surface.pixelColor(10, 10) == QColor(Qt::blue), small);
    if (small) {
        EXPECT_EQ(form.windowedControls().front(), &form.Pic1);
    }
    if (small && surface.width() > 800) {
        EXPECT_NE(surface.pixelColor(805, 10), QColor(Qt::blue));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Screens, ScreenFitFormTest, testing::Values(
    FitCase{{1024, 768}, 1.0F, {0, 0, 15360, 11520}, {0, 0, 15360, 11520}, {0, 651, 1024, 117}, {0, 0, 1024, 90}},
    FitCase{{1280, 1024}, 1.0F, {0, 0, 15600, 11940}, {120, 300, 15360, 11520}, {0, 651, 1024, 117}, {0, 0, 1024, 90}},
    FitCase{{1280, 720}, 0.78125F, {0, 0, 15600, 10800}, {120, 0, 15360, 10800}, {0, 720 - 91.40625, 800, 91.40625}, {0, 0, 800, 75}},
    FitCase{{800, 600}, 0.78125F, {0, 0, 12000, 9000}, {0, 0, 12000, 9000}, {0, 600 - 91.40625, 800, 91.40625}, {0, 0, 800, 75}}));
// clang-format on

TEST(MainFormEvents, RestoringEndsTheBossKeyAndMinimisingOnlyHidesTheExchangeWindow) {
    TableFixture fixture;
    MainForm& form = fixture.loaded();
    QStringList calls;
    const auto record = [&calls](const QString& name) {
        return [&calls, name] {
            calls.append(name);
        };
    };
    form.resizeHooks = {.hideExchangeWindow = record(u"hideExchange"_s),
                        .minimizeLobby = record(u"minimizeLobby"_s),
                        .endAutoPlay = record(u"endAutoPlay"_s),
                        .fixBuffPos = record(u"fixBuffPos"_s)};
    TableState& table = fixture.table;
    table.g_bBossKey = true;
    table.g_bHiddenPlay = true;
    form.setWindowState(forms::window_state::kMinimized);
    EXPECT_EQ(calls, QStringList{u"hideExchange"_s});
    EXPECT_TRUE(table.g_bBossKey);
    EXPECT_TRUE(table.g_bHiddenPlay);
    calls.clear();
    form.setWindowState(forms::window_state::kNormal);
    EXPECT_EQ(calls, QStringList({u"minimizeLobby"_s, u"endAutoPlay"_s, u"fixBuffPos"_s,
                                  u"hideExchange"_s}));
    EXPECT_FALSE(form.topmost());
    EXPECT_FALSE(table.g_bBossKey);
    EXPECT_FALSE(table.g_bHiddenPlay);
}

TEST(MainFormEvents, ActivationFocusesTheChatBoxWhenItCan) {
    TableFixture fixture;
    MainForm& form = fixture.form;
    form.show();
    form.Form_Activate();
    EXPECT_EQ(form.activeControl(), nullptr);
    fixture.loaded();
    form.Form_Activate();
    EXPECT_EQ(form.activeControl(), &form.Chat);
}

TEST(MainFormLoad, RunsTheOtherPartsInStartUpOrder) {
    TableFixture fixture{{800, 600}};
    MainForm& form = fixture.form;
    QStringList steps;
    const auto step = [&](const QString& name) {
        return [&, name] {
            steps.append(name + u' ' + QString::number(fixture.table.ScaleX) + u' ' +
                         (form.visible() ? u"shown"_s : u"hidden"_s) + u' ' +
                         QString::number(form.Operation.count()) + u' ' +
                         QString::number(form.Tou.count()));
        };
    };
    form.loadHooks.beforeScreenFit = step(u"flags"_s);
    form.loadHooks.startSound = step(u"sound"_s);
    form.loadHooks.openConnection = step(u"connect"_s);
    form.loadHooks.installLobbyLink = step(u"lobby"_s);
    form.Form_Load();
    EXPECT_EQ(steps, QStringList({u"flags 1 hidden 1 1"_s, u"sound 0.78125 hidden 1 1"_s,
                                  u"connect 0.78125 hidden 1 4"_s, u"lobby 0.78125 shown 5 4"_s}));
    EXPECT_TRUE(form.ChromeAtRest);
}

TEST(MainFormLoad, HandsAFailureToTheStartUpHandler) {
    TableFixture fixture;
    MainForm& form = fixture.form;
    QString failure;
    form.loadHooks.openConnection = [] {
        throw std::runtime_error("no socket");
    };
    form.loadHooks.startupFailed = [&failure](const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    };
    form.Form_Load();
    EXPECT_EQ(failure, u"no socket"_s);
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(form.Operation.count(), 1);
}

} // namespace
} // namespace qv::table
