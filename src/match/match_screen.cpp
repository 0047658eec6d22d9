#include "match/match_screen.h"

#include "common/picture_resources.h"
#include "common/vb_text.h"
#include "connection/connection.h"
#include "match/time_texts.h"
#include "platform/services.h"
#include "table/main_form.h"
#include "table/system_ticker.h"

#include <limits>

namespace qv::match {
namespace {

constexpr std::int16_t kOpenArrowPicture = 1564;

/// The display row the detail panel shows, by its caption and start; 0 when none.
int shownRow(const MatchState& state, const QString& caption, const QString& start) {
    for (int i = 1; i <= state.CurMatchShow.size(); ++i) {
        const CurMatchRec& row = state.CurMatchShow.at(i);
        if (!row.CLastFlg && RowCaption(state, row) == caption && row.StratTime.text == start) {
            return i;
        }
    }
    return 0;
}

void fillOpenPage(MatchContext& ctx) {
    int page = TagNumber(ctx.form.Pic_matchDetail);
    ctx.panels.InitCurMatchShow(page);
}

} // namespace

std::uint32_t Now(const MatchContext& ctx) {
    return ctx.conn.services.time.tickMs();
}

StartText StartOf(const MatchContext& ctx, std::int64_t seconds) {
    return StartAt(seconds, ctx.state.G_MatchType);
}

void Notice(MatchContext& ctx, QString text) {
    table::AddSystemMessage(ctx.form, text);
}

int TagNumber(const forms::Component& control) {
    const double value = leadingNumber(control.tag());
    if (!(value > std::numeric_limits<int>::min() && value < std::numeric_limits<int>::max())) {
        return 0;
    }
    return static_cast<int>(value);
}

QString RowCaption(const MatchState& state, const CurMatchRec& row) {
    const QString name =
        state.AllMatch.has(row.DefIndex) ? state.AllMatch.at(row.DefIndex).MName : QString();
    return QStringLiteral("Quorvale") + name;
}

void SwitchOff(MatchContext& ctx) {
    ctx.state.g_bMatchOn = false;
    ctx.state.g_bMatchListShown = false;
    ctx.state.g_bMatchDownloading = false;
    table::MainForm& form = ctx.form;
    form.ImgShowMatch.setVisible(false);
    form.ImgShowSort.setVisible(false);
    form.ImgShowMatch.setEnabled(false);
    form.ImgShowSort.setEnabled(false);
    form.ImgOpenMatchBtn.setVisible(false);
    form.ImgOpenMatchBtn.setEnabled(false);
}

void ShowMatchButtons(MatchContext& ctx) {
    ctx.state.g_bMatchListShown = true;
    table::MainForm& form = ctx.form;
    form.ImgShowMatch.setVisible(true);
    form.ImgShowMatch.setEnabled(true);
    form.ImgShowMatch.zOrder(0);
    form.ImgOpenMatchBtn.setTag(QStringLiteral("0"));
    form.ImgOpenMatchBtn.setVisible(true);
    form.ImgOpenMatchBtn.setEnabled(true);
    form.ImgOpenMatchBtn.zOrder(0);
    common::LoadGifRes(kOpenArrowPicture, QStringLiteral("GIF"), form.ImgOpenMatchBtn);
}

void ShowRankingButton(MatchContext& ctx, std::int32_t id) {
    table::MainForm& form = ctx.form;
    form.ImgShowSort.setVisible(true);
    form.ImgShowSort.setEnabled(true);
    form.ImgShowSort.zOrder(0);
    form.ListSort.setTag(QString::number(id));
}

QString SortGapText(const CurMatchRec& run) {
    if (run.SortList.empty() || run.Place == 1) {
        return QStringLiteral("0");
    }
    return QString::number(run.SortList.at(1).value - run.RunScore, 'f', 0);
}

void ShowSortSummary(MatchContext& ctx, const CurMatchRec& run) {
    table::MainForm& form = ctx.form;
    form.LblSortInfo[0].setCaption(run.Place != 0 ? QString::number(run.Place) + u'/' +
                                                        QString::number(run.SignUpNum)
                                                  : QStringLiteral("无排名"));
    form.LblSortInfo[1].setCaption(QString::number(run.RunScore, 'f', 0));
    form.LblSortInfo[2].setCaption(SortGapText(run));
    for (int i = 0; i <= 2; ++i) {
        form.LblSortInfo[i].setVisible(true);
    }
}

void RefreshOpenList(MatchContext& ctx) {
    table::MainForm& form = ctx.form;
    if (ctx.state.CurMatchShow.empty() || !form.Pic_matchDetail.visible()) {
        return;
    }
    const QString caption = form.LblShowName.caption();
    const QString start = form.LblShowInfo[0].caption();
    fillOpenPage(ctx);
    const int found = TagNumber(form.LblShowName) > 0 && !caption.isEmpty() && !start.isEmpty()
                          ? shownRow(ctx.state, caption, start)
                          : 0;
    ctx.panels.ShowMatchDetail(found > 0 ? found : TagNumber(form.LblMathStart[0]));
}

void RefreshOpenDetail(MatchContext& ctx, std::int32_t id) {
    table::MainForm& form = ctx.form;
    if (!form.Pic_matchDetail.visible() || form.LblShowName.caption().isEmpty() ||
        ctx.state.CurMatchShow.empty()) {
        return;
    }
    const int found =
        shownRow(ctx.state, form.LblShowName.caption(), form.LblShowInfo[0].caption());
    if (found > 0 && ctx.state.CurMatchShow.at(found).CId == id) {
        ctx.panels.ShowMatchDetail(found);
    }
}

void RefreshPageAndFirstRow(MatchContext& ctx) {
    table::MainForm& form = ctx.form;
    if (ctx.state.CurMatchShow.empty() || !form.Pic_matchDetail.visible()) {
        return;
    }
    const int first = TagNumber(form.LblMathStart[0]);
    fillOpenPage(ctx);
    if (first > 0) {
        ctx.panels.ShowMatchDetail(first);
    }
}

} // namespace qv::match
