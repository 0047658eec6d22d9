#include "match/panels/match_list.h"

#include "match/match_context.h"
#include "match/match_runs.h"
#include "match/match_screen.h"
#include "match/match_senders.h"
#include "match/panels/match_detail.h"
#include "match/panels/panel_layout.h"
#include "match/panels/panel_pictures.h"
#include "match/panels/panel_zoom.h"
#include "match/panels/rankings.h"
#include "match/time_texts.h"
#include "table/main_form.h"
#include "table/table_context.h"
#include "table/table_state.h"

namespace qv::match::panels {

using namespace Qt::StringLiterals;

namespace {

constexpr double kOpenerOffset = 94;

/// Links every run to its definition; on a run without one, no run stays linked.
bool linkRuns(MatchContext& ctx) {
    MatchState& s = ctx.state;
    for (int i = 1; i <= s.CurMatch.size(); ++i) {
        CurMatchRec& run = s.CurMatch.at(i);
        run.DefIndex = static_cast<std::int16_t>(GetMatchDefIndex(s, run.CId));
        if (run.DefIndex == 0) {
            for (CurMatchRec& other : s.CurMatch) {
                other.DefIndex = 0;
            }
            return false;
        }
        const MatchDef& d = s.AllMatch.at(run.DefIndex);
        s.ListTitleName = d.MName;
        ctx.form.ImgShowMatch.setICaption(u"Quorvale."_s);
        ctx.form.ImgMatchListName.setICaption(s.ListTitleName);
        ctx.form.ImgShowMatch.refresh();
        ctx.form.ImgMatchListName.refresh();
        run.RunType = d.mtype;
        run.LastPrizeTable = MatchPrizeTable(std::max<std::size_t>(d.PrizeTable.size(), 1));
        SetCurMatchPrize(s, run.CId, 0, QString());
    }
    BuildCurMatchShow(s);
    return true;
}

void resetList(table::MainForm& f) {
    for (forms::Image* arrow : {&f.ImgUppage(0), &f.ImgDownpage(0)}) {
        arrow->setVisible(false);
        arrow->setEnabled(false);
    }
    f.LblshowPage(0).setVisible(false);
    f.LblshowPage(0).setCaption(u"1/1"_s);
    ShowButtonPicture(f.ImgUppage(0), picture::kListUpOff, u"0"_s);
    ShowButtonPicture(f.ImgDownpage(0), picture::kListDownOff, u"0"_s);
    f.LMatchShow.setVisible(false);
    for (forms::Label* label : f.LblInfoLMatch.elements()) {
        label->setCaption({});
        label->setVisible(false);
    }
    for (int k = 0; k < kListRowsPerPage; ++k) {
        f.LblMathName(k).setTag({});
        for (forms::Label* label :
             {&f.LblMathName(k), &f.LblMathStart(k), &f.LblMathLeft(k), &f.LblMathNum(k)}) {
            label->setCaption({});
        }
        f.LblMathStart(k).setTag({});
        ShowButtonPicture(f.ImgMatch(k), picture::kRow, u"0"_s);
        f.ImgMatch(k).setVisible(false);
    }
    ClearDetailTexts(f);
}

QString definitionId(const MatchState& s, const CurMatchRec& row) {
    return QString::number(s.AllMatch.has(row.DefIndex) ? s.AllMatch.at(row.DefIndex).MId : 0);
}

void showRunRow(MatchContext& ctx, int k, int index, const CurMatchRec& row) {
    table::MainForm& f = ctx.form;
    f.LblMathName(k).setTag(definitionId(ctx.state, row));
    f.LblMathName(k).setCaption(RowCaption(ctx.state, row));
    f.LblMathStart(k).setCaption(row.StratTime.text);
    f.LblMathStart(k).setTag(QString::number(index));
    QString left;
    QString count;
    if (row.LeftSecs >= 1 && (row.RunState == 0 || row.RunState == 1)) {
        left = (row.RunState == 0 ? u"距离开赛时间："_s : u"距离结束时间："_s) +
               TimeNumToStr(row.LeftSecs, false);
        count = QString::number(row.SignUpNum) + u"人已报名"_s;
    }
    f.LblMathLeft(k).setCaption(left);
    f.LblMathNum(k).setCaption(count);
    for (forms::Label* label :
         {&f.LblMathName(k), &f.LblMathStart(k), &f.LblMathLeft(k), &f.LblMathNum(k)}) {
        label->setVisible(true);
        label->zOrder(0);
    }
}

/// The one champion box, laid over row `k`.
void showChampionRow(MatchContext& ctx, int k, int index, const CurMatchRec& row) {
    table::MainForm& f = ctx.form;
    f.LMatchShow.move(f.ImgMatch(k).left(), f.ImgMatch(k).top());
    f.LblInfoLMatch(0).setTag(definitionId(ctx.state, row));
    f.LblInfoLMatch(0).setCaption(RowCaption(ctx.state, row));
    f.LblInfoLMatch(1).setCaption(row.LStratTime.text);
    f.LblInfoLMatch(1).setTag(QString::number(index));
    f.LblInfoLMatch(2).setCaption(u"已结束"_s);
    if (row.LStratTime.text != row.LastRunTime.text) {
        // The player did not play the run whose champion is known.
        f.LblInfoLMatch(1).setCaption(row.LastRunTime.text);
        f.LblInfoLMatch(3).setCaption(u"未参赛"_s);
        f.LblInfoLMatch(4).setCaption(u"未参赛"_s);
    } else {
        f.LblInfoLMatch(3).setCaption(u"第"_s + QString::number(row.Place) + u"名"_s);
        f.LblInfoLMatch(4).setCaption(PrizeOfPlace(row.LastPrizeTable, row.Place));
        if (f.LblInfoLMatch(4).caption().isEmpty()) {
            f.LblInfoLMatch(4).setCaption(u"无"_s);
        }
    }
    f.LblInfoLMatch(5).setCaption(row.nike);
    f.LblInfoLMatch(6).setCaption(row.LFirstPri);
    for (int n = 0; n < kBoxLabels; ++n) {
        f.LblInfoLMatch(n).setVisible(true);
        f.LblInfoLMatch(n).zOrder(0);
    }
    f.LMatchShow.setVisible(true);
}

/// The display row that list row `k` shows, 0 for none.
int rowOf(const MatchContext& ctx, int k) {
    return TagNumber(ctx.form.LblMathStart(k));
}

void turnListPage(MatchContext& ctx, int by) {
    int page = TagNumber(ctx.form.Pic_matchDetail) + by;
    InitCurMatchShow(ctx, page);
    ShowMatchDetail(ctx, rowOf(ctx, 0));
}

void showHover(forms::Image& image, int hover) {
    if (image.tag() != u"1"_s) {
        ShowButtonPicture(image, hover, u"1"_s);
    }
}

} // namespace

bool InitCurMatchShow(MatchContext& ctx, int& page) {
    MatchState& s = ctx.state;
    table::MainForm& f = ctx.form;
    if (s.CurMatch.empty()) {
        return false;
    }
    if (s.CurMatch.at(1).DefIndex < 1 && !linkRuns(ctx)) {
        return false;
    }
    resetList(f);
    const int rows = s.CurMatchShow.size();
    if (rows == 0) {
        f.Pic_matchDetail.setTag({});
        return false;
    }
    const int pages = (rows + kListRowsPerPage - 1) / kListRowsPerPage;
    page = std::clamp(page, 1, pages);
    const int first = (page - 1) * kListRowsPerPage + 1;
    f.Pic_matchDetail.setTag(QString::number(page));
    for (int k = 0; k < kListRowsPerPage && first + k <= rows; ++k) {
        const int index = first + k;
        const CurMatchRec& row = s.CurMatchShow.at(index);
        f.ImgMatch(k).setVisible(true);
        if (row.CLastFlg) {
            showChampionRow(ctx, k, index, row);
        } else {
            showRunRow(ctx, k, index, row);
        }
    }
    f.LblshowPage(0).setTag(QString::number(pages));
    const bool paged = pages > 1;
    if (paged) {
        ShowButtonPicture(f.ImgUppage(0), picture::kListUp, u"0"_s);
        ShowButtonPicture(f.ImgDownpage(0), picture::kListDown, u"0"_s);
    }
    for (forms::Image* arrow : {&f.ImgUppage(0), &f.ImgDownpage(0)}) {
        arrow->setVisible(paged);
        arrow->setEnabled(paged);
    }
    f.LblshowPage(0).setVisible(paged);
    f.LblshowPage(0).setCaption(QString::number(page) + u'/' + QString::number(pages));
    return true;
}

void LblMathStart_Click(MatchContext& ctx, int index) {
    if (!ctx.form.LblMathStart.exists(index)) {
        return;
    }
    const MatchState& s = ctx.state;
    const int row = rowOf(ctx, index);
    if (s.CurMatchShow.has(row) && s.AllMatch.has(s.CurMatchShow.at(row).DefIndex)) {
        ShowMatchDetail(ctx, row);
    }
}

void ImgDownpage_Click(MatchContext& ctx, int index) {
    if (index == 0) {
        if (TagNumber(ctx.form.Pic_matchDetail) < TagNumber(ctx.form.LblshowPage(0))) {
            turnListPage(ctx, 1);
        }
    } else if (index == 1) {
        TurnRankingPage(ctx, true);
    }
}

void ImgUppage_Click(MatchContext& ctx, int index) {
    if (index == 0) {
        if (TagNumber(ctx.form.Pic_matchDetail) > 1) {
            turnListPage(ctx, -1);
        }
    } else if (index == 1) {
        TurnRankingPage(ctx, false);
    }
}

void ImgCloseList_Click(MatchContext& ctx, int index) {
    if (index == 0) {
        ctx.form.Pic_matchDetail.setVisible(false);
    } else if (index == 1) {
        ctx.form.Pic_sortDetail.setVisible(false);
    }
}

void ImgSign_Click(MatchContext& ctx) {
    const int row = TagNumber(ctx.form.LblShowName);
    if (!ctx.state.CurMatchShow.has(row)) {
        return;
    }
    ctx.form.ImgSign.setEnabled(false);
    SendSignUp(ctx.conn, ctx.state.CurMatchShow.at(row).CId);
    ShowButtonPicture(ctx.form.ImgSign, picture::kSignUpSent, u"2"_s);
}

void ImgOpenMatchBtn_MouseUp(MatchContext& ctx) {
    table::MainForm& f = ctx.form;
    const double left = 3 * f.context().state.ScaleX;
    if (f.ImgShowMatch.visible()) {
        ShowButtonPicture(f.ImgOpenMatchBtn, picture::kOpenerWhileHidden, u"0"_s);
        f.ImgShowMatch.setVisible(false);
        f.ImgOpenMatchBtn.setLeft(left);
    } else {
        ShowButtonPicture(f.ImgOpenMatchBtn, picture::kOpenerWhileShown, u"0"_s);
        f.ImgShowMatch.setLeft(left);
        f.ImgOpenMatchBtn.setLeft(f.ImgShowMatch.left() + kOpenerOffset);
        f.ImgShowMatch.setVisible(true);
    }
}

void ImgShowMatch_MouseUp(MatchContext& ctx, PanelZoom& zoom) {
    MatchState& s = ctx.state;
    if (s.ShowMatchBusy) {
        return;
    }
    table::MainForm& f = ctx.form;
    if (f.Pic_matchDetail.visible()) {
        f.Pic_matchDetail.setVisible(false);
        return;
    }
    s.ShowMatchBusy = true;
    f.Pic_sortDetail.setVisible(false);
    const QRectF target = CentredPanelArea(f);
    int page = TagNumber(f.Pic_matchDetail);
    InitCurMatchShow(ctx, page);
    ShowMatchDetail(ctx, rowOf(ctx, 0));
    zoom.ZoomInPicture(&table::MainForm::Pic_matchDetail, target,
                       {f.ImgShowMatch.left(), f.ImgShowMatch.top()},
                       [&s](MatchContext*) { s.ShowMatchBusy = false; });
}

void ImgMatch_MouseMove(MatchContext& ctx, int index) {
    forms::Image& row = ctx.form.ImgMatch(index);
    if (TagNumber(row) != 1) {
        ShowButtonPicture(row, picture::kRowHover, u"1"_s);
    }
}

void ImgSign_MouseMove(MatchContext& ctx) {
    showHover(ctx.form.ImgSign, picture::kSignUpHover);
}

void ImgUppage_MouseMove(MatchContext& ctx, int index) {
    forms::Image& arrow = ctx.form.ImgUppage(index);
    if (arrow.visible()) {
        showHover(arrow, index == 0 ? picture::kListUpHover : picture::kSortUpHover);
    }
}

void ImgDownpage_MouseMove(MatchContext& ctx, int index) {
    showHover(ctx.form.ImgDownpage(index),
              index == 0 ? picture::kListDownHover : picture::kSortDownHover);
}

void ImgCloseList_MouseMove(MatchContext& ctx, int index) {
    showHover(ctx.form.ImgCloseList(index), picture::kCloseHover);
}

void ImgRefresh_MouseMove(MatchContext& ctx) {
    showHover(ctx.form.ImgRefresh, picture::kRefreshHover);
}

void ImgOpenMatchBtn_MouseMove(MatchContext& ctx) {
    showHover(ctx.form.ImgOpenMatchBtn, ctx.form.ImgShowMatch.visible()
                                            ? picture::kOpenerWhileShownHover
                                            : picture::kOpenerWhileHiddenHover);
}

} // namespace qv::match::panels
