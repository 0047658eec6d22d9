#include "match/match_runs.h"

#include "common/picture_resources.h"
#include "match/match_screen.h"
#include "table/main_form.h"

#include <QStringList>

namespace qv::match {
namespace {

constexpr std::uint8_t kStarted = 1;
constexpr std::uint8_t kEnded = 2;
constexpr std::uint8_t kClosed = 3;

/// The run a message names: the first with its id, while that run is still at the start.
CurMatchRec* runAt(MatchContext& ctx, std::int32_t id, std::int64_t start) {
    const int i = GetCurMatchIndex(ctx.state, id);
    if (i == 0) {
        return nullptr;
    }
    CurMatchRec& r = ctx.state.CurMatch.at(i);
    return r.StratTime == StartOf(ctx, start) ? &r : nullptr;
}

void hideRefresh(table::MainForm& form) {
    form.ImgRefresh.setVisible(false);
    form.ImgRefresh.setEnabled(false);
}

void started(MatchContext& ctx, CurMatchRec& r, const StartText& start) {
    table::MainForm& form = ctx.form;
    Notice(ctx, start.text + QStringLiteral("比赛开始了！"));
    r.CLastFlg = false;
    r.LFirstPri.clear();
    r.nike.clear();
    r.LastRunTime = {};
    if (r.CPstate == 0) {
        r.StratTime = {};
        r.SignTick = 0;
        ctx.state.MatchState = 0;
        return;
    }
    ShowRankingButton(ctx, r.CId);
    r.LStratTime = {};
    r.LastPrizeTable = EmptyPrizeTable();
    r.SortList.clear();
    if (form.Pic_sortDetail.visible()) {
        form.ImgRefresh.setTag(QStringLiteral("0"));
        common::LoadGifRes(kRefreshPicture, QStringLiteral("GIF"), form.ImgRefresh);
        form.ImgRefresh.setVisible(true);
        form.ImgRefresh.setEnabled(true);
        ctx.state.SortRefreshTick = 0;
        form.Pic_sortDetail.cls();
        form.LblSortTime.setCaption(r.StratTime.text);
        form.LblSortTime.setVisible(true);
        form.LblSortTime.zOrder(0);
        form.Pic_sortDetail.setVisible(false);
    }
}

void finished(MatchContext& ctx, CurMatchRec& r, std::uint8_t state, const StartText& start) {
    table::MainForm& form = ctx.form;
    r.CPstate = 0;
    r.RunState = 0;
    ctx.state.SortRefreshTick = 0;
    hideRefresh(form);
    r.CLastFlg = false;
    if (state == kClosed) {
        r.SignUpNum = 0;
        form.ImgShowSort.setVisible(false);
        form.ImgShowSort.setEnabled(false);
        form.Pic_sortDetail.setVisible(false);
        r.LStratTime = {};
        r.SortList.clear();
    } else {
        Notice(ctx, start.text + QStringLiteral("比赛结束了！"));
        ShowRankingButton(ctx, r.CId);
        r.LStratTime = r.StratTime;
        r.LastSignUpNum = r.SignUpNum;
        r.SignUpNum = 0;
        r.StratTime = {};
        r.LastPrizeTable = r.PrizeTable;
    }
    if (!r.NextTime.isEmpty()) {
        r.StratTime = r.NextTime;
        r.Duration = r.NextDuration;
        r.StrDuration = r.NextStrDuration;
        r.NextTime = {};
        r.NextStrDuration.clear();
        r.NextDuration = 0;
        r.RunState = 0;
        r.CPstate = 0;
        r.SignTick = 0;
        SetCurMatchPrize(ctx.state, r.CId, 0, QString());
    }
    if (form.Pic_sortDetail.visible() && form.LblSortInfo[3].visible()) {
        form.LblSortInfo[3].setVisible(false);
    }
}

} // namespace

void MsgMatchState(MatchContext& ctx, const RunStateChange& change) {
    MatchState& s = ctx.state;
    if (!s.g_bMatchOn && !s.g_bMatchDownloading) {
        return;
    }
    const StartText start = StartOf(ctx, change.start);
    if (CurMatchRec* r = runAt(ctx, change.id, change.start)) {
        r->RunState = change.state;
        s.MatchState = change.state;
        if (change.state == kStarted) {
            started(ctx, *r, start);
        } else if (change.state == kEnded || change.state == kClosed) {
            finished(ctx, *r, change.state, start);
        }
    }
    Notice(ctx, change.notice);
    BuildCurMatchShow(s);
    RefreshOpenList(ctx);
}

void MsgMatchPlace(MatchContext& ctx, const RunPlace& place, bool final) {
    MatchState& s = ctx.state;
    if (!s.g_bMatchOn && !s.g_bMatchDownloading) {
        return;
    }
    CurMatchRec* r = runAt(ctx, place.id, place.start);
    if (r == nullptr) {
        return;
    }
    if (final || place.place > 0) {
        r->Place = place.place;
    }
    r->RunScore = place.score;
    table::MainForm& form = ctx.form;
    form.ListSort.setTag(QString::number(place.id));
    if (!form.ImgShowSort.visible()) {
        ShowRankingButton(ctx, place.id);
    }
    if (final) {
        s.SortRefreshTick = 0;
        hideRefresh(form);
    }
    ShowSortSummary(ctx, *r);
    if (!final) {
        return;
    }
    const QString prize = PrizeOfPlace(r->PrizeTable, r->Place);
    if (!prize.trimmed().isEmpty()) {
        Notice(ctx, QStringLiteral("恭喜您在") + r->StratTime.text +
                        QStringLiteral("开始的比赛中取得第") + QString::number(r->Place) +
                        QStringLiteral("名!"));
        Notice(ctx, QStringLiteral("获得") + prize + u'!');
    }
    if (form.LblInfoLMatch.exists(4) && form.LblInfoLMatch[4].caption().isEmpty()) {
        form.LblInfoLMatch[4].setCaption(QStringLiteral("无"));
    }
}

void MsgMatchJade(MatchContext& ctx, const RunJade& jade) {
    MatchState& s = ctx.state;
    if (!SetCurMatchPrize(s, jade.id, jade.base, StartOf(ctx, jade.start).text)) {
        return;
    }
    BuildCurMatchShow(s);
    if (ctx.form.Pic_matchDetail.visible() && !s.CurMatchShow.empty()) {
        ctx.panels.ShowMatchDetail(TagNumber(ctx.form.LblMathStart[0]));
    }
}

QString PrizeOfPlace(const MatchPrizeTable& table, int place) {
    constexpr int kShortest = 3;
    for (const PrizeLine& line : table) {
        const QString& rank = line[0];
        const QString inner = rank.size() >= kShortest ? rank.mid(1, rank.size() - 2) : rank;
        if (inner.isEmpty()) {
            continue;
        }
        const QStringList parts = inner.split(u'-');
        bool ok1 = false;
        bool ok2 = true;
        const int from = parts[0].toInt(&ok1);
        const int to = parts.size() == 2 ? parts[1].toInt(&ok2) : from;
        if (parts.size() <= 2 && ok1 && ok2 && from <= place && place <= to) {
            return line[1];
        }
    }
    return {};
}

} // namespace qv::match
