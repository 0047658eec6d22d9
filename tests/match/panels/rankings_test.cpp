#include "common/gbk.h"
#include "connection/commands.h"
#include "match/panels/rankings.h"
#include "match/panels/sort_list.h"
#include "match/time_texts.h"
#include "panels_fixture.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::match::panels {
namespace {

using testing_support::definition;
using testing_support::PanelsTable;
using testing_support::run;

/// Seconds of the run's start.
constexpr std::uint32_t kStart = 1733680800;
constexpr std::int32_t kRun = 5;

struct Entry {
    QString nickname;
    std::uint32_t score;
};

connection::GameMessage sortPage(int first, const std::vector<Entry>& entries,
                                 std::uint32_t id = kRun, std::uint32_t start = kStart) {
    connection::GameMessage m;
    m.setCommand(connection::MsgSortPage);
    m.setU32le(16, id);
    m.setU32le(20, start);
    m.setU16le(24, static_cast<std::uint16_t>(first));
    m.setU16le(26, static_cast<std::uint16_t>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int at = 28 + 36 * static_cast<int>(i);
        m.writeBytes(at, toGbk(entries[i].nickname).value());
        m.setU32le(at + 32, entries[i].score);
    }
    return m;
}

/// `count` players from place `first` on, scores falling from 1000.
std::vector<Entry> players(int first, int count) {
    std::vector<Entry> out;
    for (int place = first; place < first + count; ++place) {
        out.push_back({u"玩家%1"_s.arg(place), static_cast<std::uint32_t>(1000 - place)});
    }
    return out;
}

/// A table with run 5 in play, the ranking panel serving it.
struct RankingTable : PanelsTable {
    RankingTable() {
        loaded({definition(kRun, u"周赛"_s)});
        CurMatchRec r = run(kRun, QString());
        r.StratTime = StartAt(kStart);
        r.LStratTime = {u"12-01 18:00:00"_s, 0};
        r.RunState = 1;
        runs({r});
        form.ListSort.setTag(QString::number(kRun));
        form.ImgShowSort.setVisible(true);
    }
    CurMatchRec& served() { return state().CurMatch.at(1); }
    /// The panel opened and grown to its place.
    void open() {
        click(form.ImgShowSort);
        platform.time.advance(400);
    }
    /// Whether ranking line `k` (0 the first under the head, -1 the head) has anything painted.
    bool linePainted(int k) {
        return anyPixelIn(k, [](QRgb pixel) { return qAlpha(pixel) > 0; });
    }
    /// Whether line `k` has text painted in `colour` (0x00BBGGRR).
    bool paintedIn(int k, std::uint32_t colour) {
        const QColor wanted = forms::toQColor(colour);
        return anyPixelIn(k, [&wanted](QRgb pixel) {
            // Over nothing, a glyph's pixels keep the pen's colour; only their edges are faint.
            return qAlpha(pixel) >= 100 && std::abs(qRed(pixel) - wanted.red()) <= 4 &&
                   std::abs(qGreen(pixel) - wanted.green()) <= 4 &&
                   std::abs(qBlue(pixel) - wanted.blue()) <= 4;
        });
    }
    template <typename Test>
    bool anyPixelIn(int k, Test test) {
        const QImage drawn = form.Pic_sortDetail.drawing().convertToFormat(QImage::Format_ARGB32);
        const int top = 68 + 28 * (k + 1);
        for (int y = top; y < top + 28 && y < drawn.height(); ++y) {
            for (int x = 25; x < 330 && x < drawn.width(); ++x) {
                if (test(drawn.pixel(x, y))) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST(Rankings, AnAnswerInFourPagesPaintsTheFirstPageAndCountsThePages) {
    RankingTable t;
    t.open();
    auto& f = t.form;
    struct Step {
        int first;
        int count;
        int lines;
        bool paged;
        QString caption;
    };
    for (const Step& s : {Step{1, 6, 6, false, u"1/1"_s}, Step{7, 6, 10, true, u"1/2"_s},
                          Step{13, 6, 10, true, u"1/2"_s}, Step{19, 5, 10, true, u"1/3"_s}}) {
        SCOPED_TRACE(s.first);
        t.receive(sortPage(s.first, players(s.first, s.count)));
        for (int k = 0; k < 10; ++k) {
            EXPECT_EQ(t.linePainted(k), k < s.lines) << k;
        }
        EXPECT_EQ(f.ImgDownpage(1).visible(), s.paged);
        EXPECT_EQ(f.LblshowPage(1).visible(), s.paged);
        EXPECT_EQ(f.LblshowPage(1).caption(), s.caption);
    }
    EXPECT_EQ(t.served().SortList.size(), 23);
    const auto& colours = t.state().SortColors;
    EXPECT_TRUE(t.paintedIn(0, colours[0]));
    EXPECT_TRUE(t.paintedIn(1, colours[1]));
    EXPECT_TRUE(t.paintedIn(2, colours[2]));
    EXPECT_TRUE(t.paintedIn(3, colours[3]));
    EXPECT_FALSE(t.paintedIn(3, colours[0]));
    EXPECT_TRUE(t.paintedIn(-1, t.state().SortHeadColor));

    // The pages turn within the list.
    t.click(f.ImgDownpage(1));
    t.click(f.ImgDownpage(1));
    EXPECT_EQ(f.LblshowPage(1).caption(), u"3/3"_s);
    EXPECT_TRUE(t.linePainted(2));
    EXPECT_FALSE(t.linePainted(3));
    t.click(f.ImgDownpage(1));
    EXPECT_EQ(f.LblshowPage(1).caption(), u"3/3"_s);
    t.click(f.ImgUppage(1));
    EXPECT_EQ(f.LblshowPage(1).caption(), u"2/3"_s);

    // A new answer cuts the list to its first page.
    t.receive(sortPage(1, players(1, 6)));
    EXPECT_EQ(t.served().SortList.size(), 6);
}

TEST(Rankings, TheFirstPageAloneKeepsThePageButtonsHidden) {
    RankingTable t;
    t.open();
    t.receive(sortPage(1, players(1, 6)));
    t.receive(sortPage(11, players(11, 5)));
    EXPECT_FALSE(t.form.ImgDownpage(1).visible());
    EXPECT_EQ(t.form.LblshowPage(1).caption(), u"/2"_s);
}

TEST(Rankings, TheOwnNicknameGivesThePlaceAndTheSummary) {
    RankingTable t;
    t.client.conn.Detail.at(0).username = u"我自己"_s;
    t.open();
    auto entries = players(11, 6);
    entries[4] = {u"我自己"_s, 640};
    t.receive(sortPage(1, players(1, 6)));
    t.receive(sortPage(11, entries));
    EXPECT_EQ(t.served().Place, 15);
    EXPECT_DOUBLE_EQ(t.served().RunScore, 640);
    EXPECT_EQ(t.form.LblSortInfo(0).caption(), u"15/12"_s);
    EXPECT_EQ(t.form.LblSortInfo(1).caption(), u"640"_s);
    EXPECT_EQ(t.form.LblSortInfo(2).caption(), u"359"_s);

    // The leader has no gap, even to players of the same score.
    t.receive(sortPage(1, {{u"我自己"_s, 900}, {u"别人"_s, 900}}));
    EXPECT_EQ(t.served().Place, 1);
    EXPECT_EQ(t.form.LblSortInfo(2).caption(), u"0"_s);
}

TEST(Rankings, MessagesOutsideTheLayoutOrForNoRunAreDropped) {
    RankingTable t;
    const std::vector<std::pair<const char*, connection::GameMessage>> bad{
        {"seven entries",
         [] {
             auto m = sortPage(1, players(1, 6));
             m.setU16le(26, 7);
             return m;
         }()},
        {"first place 0", sortPage(0, players(1, 2))},
        {"past 32767", sortPage(32767, players(1, 2))},
        {"id's top bit", sortPage(1, players(1, 1), 0x80000005U)},
        {"start's top bit", sortPage(1, players(1, 1), kRun, 0x80000000U)},
        {"score's top bit", sortPage(1, {{u"a"_s, 0x80000000U}})},
        {"another start", sortPage(1, players(1, 1), kRun, kStart + 60)},
        {"another run", sortPage(1, players(1, 1), 6)},
    };
    t.form.ListSort.setTag(u"77"_s);
    for (const auto& [why, m] : bad) {
        SCOPED_TRACE(why);
        t.receive(m);
        EXPECT_TRUE(t.served().SortList.empty());
        EXPECT_EQ(t.served().Place, 0);
        EXPECT_EQ(t.form.ListSort.tag(), u"77"_s);
    }
    // Before any run is known.
    t.runs({});
    t.receive(sortPage(1, players(1, 3)));
    EXPECT_EQ(t.form.ListSort.tag(), u"77"_s);
}

TEST(DrawSortList, SnapsTheFirstPlaceToAPageOfTheList) {
    RankingTable t;
    t.form.Pic_sortDetail.move(0, 0, 620, 400);
    auto& s = t.state();
    FromOne<SortEntry> list;
    for (const Entry& e : players(1, 25)) {
        list.push_back({e.nickname, static_cast<std::int32_t>(e.score)});
    }
    for (int asked : {21, 15, 31}) {
        SortPageText text;
        int first = asked;
        EXPECT_TRUE(DrawSortList(s, t.form.Pic_sortDetail, list, text, first)) << asked;
        EXPECT_EQ(first, 21);
        EXPECT_EQ(text.caption, u"3/3"_s);
        EXPECT_TRUE(t.linePainted(4));
        EXPECT_FALSE(t.linePainted(5));
    }
    list.resize(10);
    SortPageText text;
    int first = 1;
    EXPECT_FALSE(DrawSortList(s, t.form.Pic_sortDetail, list, text, first));
    EXPECT_EQ(text.caption, u"1/1"_s);
    EXPECT_TRUE(t.linePainted(9));

    list.clear();
    SortPageText untouched{u"a"_s, u"b"_s, u"c"_s};
    EXPECT_FALSE(DrawSortList(s, t.form.Pic_sortDetail, list, untouched, first));
    EXPECT_EQ(untouched.caption, u"c"_s);
    EXPECT_FALSE(t.linePainted(0));
    EXPECT_FALSE(t.linePainted(-1));
}

TEST(RankingOpener, ARunInPlayIsAskedOnceUntilTheLockEnds) {
    RankingTable t;
    auto& f = t.form;
    t.sent();
    t.open();
    EXPECT_TRUE(f.Pic_sortDetail.visible());
    EXPECT_EQ(t.sent().size(), 1U);
    EXPECT_TRUE(f.ImgRefresh.visible());
    EXPECT_FALSE(f.ImgRefresh.enabled());
    EXPECT_EQ(f.LblSortTime.caption(), StartAt(kStart).text);
    EXPECT_EQ(f.LblSortInfo(4).caption(), u"比赛规则：每局按输赢计分，积分高者名次在前。"_s);
    t.click(f.ImgShowSort);
    EXPECT_FALSE(f.Pic_sortDetail.visible());
    t.open();
    EXPECT_TRUE(t.sent().empty());
}

TEST(RankingOpener, AnEndedRunIsNotAsked) {
    RankingTable t;
    auto& f = t.form;
    t.served().RunState = 0;
    t.sent();
    t.open();
    EXPECT_TRUE(f.Pic_sortDetail.visible());
    EXPECT_TRUE(t.sent().empty());
    EXPECT_FALSE(f.ImgRefresh.visible());
    EXPECT_EQ(f.LblSortTime.caption(), u"12-01 18:00:00"_s);
    t.click(f.ImgRefresh);
    EXPECT_TRUE(t.sent().empty());
}

TEST(RankingHovers, ButtonsShowTheirHoverPictureUntilThePanelRestoresThem) {
    RankingTable t;
    auto& f = t.form;
    t.open();
    t.receive(sortPage(1, players(1, 6)));
    t.receive(sortPage(7, players(7, 6)));
    f.ImgRefresh.setEnabled(true);
    std::vector<forms::Image*> buttons{&f.ImgCloseList(1), &f.ImgDownpage(1), &f.ImgUppage(1),
                                       &f.ImgRefresh};
    for (forms::Image* button : buttons) {
        t.hover(*button);
        EXPECT_EQ(button->tag(), u"1"_s) << button->name().toStdString();
    }
    t.router.mouseMove(t.at(f.Pic_sortDetail, {340, 30}), 0, 0);
    for (forms::Image* button : buttons) {
        EXPECT_EQ(button->tag(), u"0"_s) << button->name().toStdString();
    }
}

TEST(RankingRefresh, AsksOnlyForARunInPlay) {
    RankingTable t;
    auto& f = t.form;
    t.open();
    f.ImgRefresh.setEnabled(true);
    f.ImgRefresh.setTag(u"0"_s);
    t.served().RunState = 0;
    t.sent();
    t.click(f.ImgRefresh);
    EXPECT_TRUE(t.sent().empty());
    EXPECT_TRUE(f.ImgRefresh.enabled());

    t.served().RunState = 1;
    t.click(f.ImgRefresh);
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].command(), connection::MsgSortPage);
    EXPECT_EQ(sent[0].u32le(16), static_cast<std::uint32_t>(kRun));
    EXPECT_FALSE(f.ImgRefresh.enabled());
    EXPECT_EQ(f.ImgRefresh.tag(), u"2"_s);
    EXPECT_NE(t.state().SortRefreshTick, 0U);
}

TEST(RankingOpener, NoServedRunOpensNothing) {
    RankingTable t;
    t.form.ListSort.setTag(u"9"_s);
    t.open();
    EXPECT_FALSE(t.form.Pic_sortDetail.visible());
    EXPECT_FALSE(t.state().ShowSortBusy);
}

TEST(RankingOpener, APageArrivingWhileThePanelGrowsIsPaintedAfterIt) {
    RankingTable t;
    auto& f = t.form;
    t.click(f.ImgShowSort);
    t.platform.time.advance(60);
    EXPECT_TRUE(t.state().ShowSortBusy);
    t.receive(sortPage(1, players(1, 3)));
    EXPECT_EQ(t.served().SortList.size(), 3);
    t.platform.time.advance(400);
    EXPECT_FALSE(t.state().ShowSortBusy);
    EXPECT_EQ(f.Pic_sortDetail.pixelRect().size(), QSizeF(620, 400));
    EXPECT_TRUE(t.linePainted(2));
    EXPECT_FALSE(t.linePainted(3));
}

} // namespace
} // namespace qv::match::panels
