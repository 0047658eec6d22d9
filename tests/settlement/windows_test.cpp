#include "common/picture_resources.h"
#include "forms/input_router.h"
#include "forms/qt/render_to_image.h"
#include "result_fixtures.h"
#include "settlement/hero_window.h"
#include "settlement/score_sheet_view.h"
#include "table/table_fixture.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The offscreen renders leave thread-local blocks that crash the sanitizer build's leak
// checker at exit; memory errors are still caught.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

using namespace Qt::StringLiterals;

namespace qv::settlement {
namespace {

class SettlementWindows : public testing::TestWithParam<QSize> {
protected:
    SettlementWindows() { fixture.host.setWindowSystem(&windows); }

    table::testing_support::RecordingWindows windows;
    table::testing_support::TableFixture fixture{GetParam()};
    table::MainForm& table = fixture.loaded();
    std::vector<int> opened;
    bool registered = (registerSettlementForms(
                           fixture.host, [this] { return &table; },
                           [this](int juNum) { opened.push_back(juNum); }),
                       true);
    Score& score = fixture.host.get<Score>();
    Hero& hero = fixture.host.get<Hero>();
};

QPointF centreOf(const forms::Form& window) {
    return {window.left() + window.width() / 2, window.top() + window.height() / 2};
}

TEST_P(SettlementWindows, CentreOverTheTableSurfaceWhenTheyLoad) {
    const QPointF surface(table.left() + table.Pic1.left() + table.Pic1.width() / 2,
                          table.top() + table.Pic1.top() + table.Pic1.height() / 2);
    EXPECT_EQ(centreOf(score), surface);
    EXPECT_EQ(centreOf(hero), surface);
    EXPECT_EQ(score.caption(), u"战绩板"_s);
    EXPECT_EQ(hero.caption(), u"英雄榜"_s);
}

TEST_P(SettlementWindows, ScoreMovesWithALeftPressOnItsBackground) {
    forms::InputRouter router(score);
    router.mousePress({300, 5}, forms::mouse::kRight, 0);
    router.mouseRelease({300, 5}, forms::mouse::kRight, 0);
    EXPECT_EQ(windows.moves, 0);
    router.mousePress({300, 5}, forms::mouse::kLeft, 0);
    EXPECT_EQ(windows.moves, 1);
}

TEST_P(SettlementWindows, CloseButtonsShowTheirHoverPictureAndHide) {
    for (forms::Form* window :
         {static_cast<forms::Form*>(&score), static_cast<forms::Form*>(&hero)}) {
        auto& buttons = window == &score ? score.Image1 : hero.Image1;
        window->show();
        forms::InputRouter router(*window);
        const QRectF cross = buttons(1).pixelRect();
        router.mouseMove(cross.center(), 0, 0);
        EXPECT_EQ(buttons(1).tag(), u"1"_s);
        EXPECT_EQ(buttons(1).picture(), common::LoadGifPicture(455, u"GIF"_s));
        router.mouseMove({300, 5}, 0, 0);
        EXPECT_EQ(buttons(1).tag(), u"0"_s);
        EXPECT_EQ(buttons(1).picture(), common::LoadGifPicture(454, u"GIF"_s));
        const auto changes = window->changeCount();
        router.mouseMove({301, 5}, 0, 0);
        EXPECT_EQ(window->changeCount(), changes);
        router.mousePress(buttons(0).pixelRect().center(), forms::mouse::kLeft, 0);
        router.mouseRelease(buttons(0).pixelRect().center(), forms::mouse::kLeft, 0);
        EXPECT_FALSE(window->visible());
    }
}

void fillHero(Hero& hero, int hands) {
    for (int k = 1; k <= hands; ++k) {
        hero.Num.addItem(QString::number(k));
        for (int i = 0; i < 4; ++i) {
            hero.Grade(i).addItem(QString::number(k * 100 + i));
        }
    }
}

TEST_P(SettlementWindows, HeroListsMoveTogether) {
    fillHero(hero, 3);
    hero.Form_Load();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(hero.Grade(i).topIndex(), 2);
    }
    hero.Grade(3).setTopIndex(1);
    hero.Grade(3).setListIndex(1);
    EXPECT_EQ(hero.Num.listIndex(), 1);
    EXPECT_EQ(hero.Num.topIndex(), 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(hero.Grade(i).listIndex(), 1) << i;
        EXPECT_EQ(hero.Grade(i).topIndex(), 1) << i;
    }
    hero.Num.setListIndex(0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(hero.Grade(i).listIndex(), 0) << i;
    }
}

TEST_P(SettlementWindows, HeroDoubleClickOpensThatHandsSheet) {
    fillHero(hero, 3);
    hero.Num_DblClick();
    hero.Grade(2).setListIndex(1);
    hero.Grade_DblClick(2);
    hero.Num.setListIndex(2);
    hero.Num_DblClick();
    EXPECT_EQ(opened, (std::vector<int>{0, 2, 3}));
}

TEST_P(SettlementWindows, AStoredSheetComesBackOnTheScoreWindow) {
    QTemporaryDir folder;
    classIniFile ini;
    ini.setINIFileName(QDir(folder.path()).filePath(kScoreSheetFile));
    ScoreSheet stored;
    stored.names = {u"甲"_s, u"乙"_s, u"丙"_s, u"丁"_s};
    stored.pictures = {u"3"_s, QString(), u"x"_s, u"19"_s};
    stored.lists[2] = {u"名次：第一名"_s};
    stored.nameColours[1] = kNameBlue;
    stored.listColours[2] = 255;
    SaveScoreSheet(ini, 1, stored);

    score.State(2).addItem(u"old"_s);
    score.State(2).addItem(u"old"_s);
    ShowStoredSheet(score, ini, 1, fixture.imageRes);
    EXPECT_EQ(score.ID(0).caption(), u"甲"_s);
    EXPECT_EQ(score.ID(1).foreColor(), kNameBlue);
    EXPECT_EQ(score.ID(0).foreColor(), 0U);
    EXPECT_EQ(score.Tou(0).tag(), u"3"_s);
    EXPECT_EQ(score.Tou(1).tag(), QString());
    EXPECT_EQ(score.Tou(3).tag(), u"19"_s);
    EXPECT_EQ(score.State(2).items(), QStringList{u"名次：第一名"_s});
    EXPECT_EQ(score.State(2).foreColor(), 255U);
}

/// Many colours: the background, the lists and their lines are drawn.
int colours(const QImage& picture) {
    QSet<QRgb> found;
    for (int y = 0; y < picture.height(); y += 3) {
        for (int x = 0; x < picture.width(); x += 3) {
            found.insert(picture.pixel(x, y));
        }
    }
    return static_cast<int>(found.size());
}

TEST_P(SettlementWindows, RenderAfterASettledHand) {
    using testing_support::RecordFields;
    SheetInputs in{.ownSeatMask = 1,
                   .callerSeat = 1,
                   .cash = {u"1000金币"_s, u"800金币"_s, u"1200金币"_s, u"600金币"_s},
                   .roundNote = u"第1局"_s};
    const std::array<RecordFields, 4> records = testing_support::partnershipRecords();
    for (std::size_t r = 0; r < 4; ++r) {
        in.rows.at(r) = readSeatResult(testing_support::resultRow({}, records.at(r)));
    }
    testing_support::addBomb(in.bombs, 0, 10, 6);
    WriteSheet(score, BuildSheet(in));
    for (int i = 0; i < 4; ++i) {
        score.ID(i).setCaption(u"玩家%1"_s.arg(i + 1));
        hero.ID(i).setCaption(score.ID(i).caption());
        ShowHeadPicture(score.Tou(i), QString::number(i * 5), fixture.imageRes);
        ShowHeadPicture(hero.Tou(i), QString::number(i * 5), fixture.imageRes);
        hero.sunScore(i).setCaption(i % 2 == 0 ? u"400"_s : u"-400"_s);
    }
    fillHero(hero, 12);
    for (forms::Form* window :
         {static_cast<forms::Form*>(&score), static_cast<forms::Form*>(&hero)}) {
        window->show();
        const QImage picture = forms::qt::renderToImage(*window);
        EXPECT_EQ(picture.size(),
                  QSize(qRound(window->width() / 15), qRound(window->height() / 15)));
        EXPECT_GT(colours(picture), 30);
        if (const QByteArray out = qgetenv("QV_RENDER_DIR"); !out.isEmpty()) {
            picture.save(QDir(QString::fromLocal8Bit(out))
                             .filePath(u"%1-%2x%3.png"_s.arg(window->name())
                                           .arg(GetParam().width())
                                           .arg(GetParam().height())));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, SettlementWindows,
                         testing::Values(QSize(1024, 768), QSize(800, 600)),
                         [](const testing::TestParamInfo<QSize>& param) {
                             return std::to_string(param.param.width()) + "x" +
                                    std::to_string(param.param.height());
                         });

} // namespace
} // namespace qv::settlement
