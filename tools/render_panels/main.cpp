// Renders the tournament panels to PNG files without a display, one per screen size, from
// records filled in by hand: the match panel with its runs, a champion row and the detail of a
// run with its stamp and prizes; the ranking panel on a full page; the table's tournament
// buttons; and the tournament table's layout.
// render_panels [output folder].

#include "app/client.h"
#include "app/start_on_table.h"
#include "connection/commands.h"
#include "forms/qt/render_to_image.h"
#include "match/match.h"
#include "match/match_context.h"
#include "match/match_screen.h"
#include "match/panels/match_detail.h"
#include "match/panels/match_list.h"
#include "match/panels/rankings.h"
#include "match/panels/table_layout.h"
#include "match/time_texts.h"
#include "platform/fake/fake_platform.h"
#include "table/main_form.h"

#include <QApplication>
#include <QDir>
#include <QSize>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

using qv::match::CurMatchRec;
using qv::match::MatchDef;

/// Seconds of the first run's start.
constexpr std::int64_t kStart = 1733680800;

/// A client on fake services started on its table window, for a screen of `screen` pixels, with
/// a configuration of two matches and their runs: one to come that the player signed up for,
/// one in play, one not signed up, and the champion of the last run.
struct TournamentTable {
    explicit TournamentTable(QSize screen) {
        platform.screen.size_ = screen;
        platform.lobby.open(qv::connection::kDefaultLobbyTitle);
        qv::app::StartOnTable(client, form, u"xiaoming$secret$127.0.0.1$6000$$0$$0$$$0$$$0$0$"_s);
        client.conn.Detail.at(0).username = u"小明"_s;
        client.matchPanels->initMatchUI();
        qv::match::MatchState& s = client.match;
        s.g_bMatchOn = true;
        s.AllMatch.push_back(definition(5, u"周末大奖赛"_s));
        s.AllMatch.push_back(definition(6, u"每日快赛"_s));
        CurMatchRec weekly = run(5, 0, 1, 0);
        weekly.CPstate = 1;
        weekly.PrizeTable = s.AllMatch.at(1).PrizeTable;
        weekly.PrizeTable[0][1] = u"5000金币+300个翡翠"_s;
        weekly.LastRunTime = qv::match::StartAt(kStart - 7 * 86400);
        weekly.LStratTime = weekly.LastRunTime;
        weekly.CLastFlg = true;
        weekly.Place = 6;
        weekly.nike = u"牌神阿杰"_s;
        weekly.LFirstPri = u"5000金币+300个翡翠"_s;
        weekly.LastPrizeTable = s.AllMatch.at(1).PrizeTable;
        CurMatchRec daily = run(6, 3600, 2, 1);
        daily.SignUpNum = 64;
        CurMatchRec evening = run(6, 7200, 2, 0);
        for (const CurMatchRec& r : {weekly, daily, evening}) {
            s.CurMatch.push_back(r);
        }
        qv::match::BuildCurMatchShow(s);
    }

    static MatchDef definition(std::int32_t id, const QString& name) {
        MatchDef d;
        d.MId = id;
        d.MName = name;
        d.FeeText = u"1000金币"_s;
        d.utl = 4;
        d.ut = 100;
        d.des = u"报名后请准时进入比赛，比赛开始后按积分排名，前十名可获得丰厚奖励。"_s;
        d.rl = u"每局按输赢计算积分，积分相同时先达到者名次在前。"_s;
        d.PrizeTable = {{u"第1名"_s, u"5000金币+翡翠奖励×3"_s, u"3"_s},
                        {u"第2-3名"_s, u"2000金币"_s, {}},
                        {u"第4-10名"_s, u"500金币"_s, {}}};
        return d;
    }
    static CurMatchRec run(std::int32_t id, std::int64_t after, std::int16_t def,
                           std::uint8_t state) {
        CurMatchRec r;
        r.CId = id;
        r.DefIndex = def;
        r.StratTime = qv::match::StartAt(kStart + after);
        r.StrDuration = u"2小时"_s;
        r.RunState = state;
        r.LeftSecs = 5400 + static_cast<std::int32_t>(after);
        r.SignUpNum = 128;
        return r;
    }

    qv::match::MatchContext& ctx() { return *client.matchOnTable(); }

    qv::platform::fake::FakePlatform platform;
    qv::Client client{platform.services};
    qv::table::MainForm& form = client.forms.get<qv::table::MainForm>();
};

bool save(qv::table::MainForm& form, const QString& folder, const QString& name, QSize screen) {
    const QString path =
        QDir(folder).filePath(u"%1-%2x%3.png"_s.arg(name).arg(screen.width()).arg(screen.height()));
    return qv::forms::qt::saveFormPng(form, path);
}

bool renderScreen(QSize screen, const QString& folder) {
    bool ok = true;
    {
        TournamentTable t(screen);
        auto& f = t.form;
        f.ImgShowMatch.setVisible(true);
        f.ImgShowMatch.setEnabled(true);
        f.ImgShowSort.setVisible(true);
        f.ImgShowSort.setEnabled(true);
        f.ImgOpenMatchBtn.setVisible(true);
        f.ImgOpenMatchBtn.setEnabled(true);
        qv::match::panels::ImgOpenMatchBtn_MouseUp(t.ctx());
        qv::match::panels::ImgOpenMatchBtn_MouseUp(t.ctx());
        ok = save(f, folder, u"tournament-buttons"_s, screen) && ok;

        f.ImgShowMatch.raiseMouseUp(1, 0, 0, 0);
        t.platform.time.advance(400);
        ok = save(f, folder, u"match-panel"_s, screen) && ok;

        f.ListSort.setTag(u"6"_s);
        t.client.match.CurMatch.at(2).SortList = [] {
            qv::match::FromOne<qv::match::SortEntry> list;
            for (int place = 1; place <= 23; ++place) {
                list.push_back(
                    {place == 6 ? u"小明"_s : u"玩家%1"_s.arg(place), 2400 - 37 * place});
            }
            return list;
        }();
        qv::match::CurMatchRec& daily = t.client.match.CurMatch.at(2);
        daily.Place = 6;
        daily.RunScore = 2400 - 37 * 6;
        qv::match::ShowSortSummary(t.ctx(), daily);
        f.ImgShowSort.raiseMouseUp(1, 0, 0, 0);
        t.platform.time.advance(400);
        ok = save(f, folder, u"ranking-panel"_s, screen) && ok;
    }
    {
        TournamentTable t(screen);
        t.client.match.G_MatchType = 2;
        qv::match::panels::ShowMainFormByMatchType(t.form);
        ok = save(t.form, folder, u"tournament-table"_s, screen) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"."_s;
    QDir().mkpath(folder);
    bool ok = true;
    for (const QSize screen : {QSize(1024, 768), QSize(800, 600)}) {
        ok = renderScreen(screen, folder) && ok;
    }
    if (!ok) {
        std::fputs("render_panels: a picture could not be written\n", stderr);
        return 1;
    }
    return 0;
}
