#include "match/panels/rankings.h"

#include "connection/connection.h"
#include "connection/game_message.h"
#include "connection/server_text.h"
#include "match/match_context.h"
#include "match/match_screen.h"
#include "match/match_senders.h"
#include "match/panels/panel_input.h"
#include "match/panels/panel_layout.h"
#include "match/panels/panel_pictures.h"
#include "match/panels/panel_zoom.h"
#include "match/panels/sort_list.h"
#include "table/main_form.h"
#include "table/table_context.h"

namespace qv::match::panels {

using namespace Qt::StringLiterals;

namespace {

constexpr int kMostEntries = 6;
constexpr int kEntriesAt = 28;
constexpr int kEntrySize = 36;
constexpr int kNicknameSize = 32;
constexpr int kLastPlace = 32767;

std::optional<std::int32_t> nonNegative(std::uint32_t value) {
    if (value > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

/// The run the ranking panel serves, 0 for none.
int servedRun(const MatchContext& ctx) {
    const int id = TagNumber(ctx.form.ListSort);
    return id > 0 ? GetCurMatchIndex(ctx.state, id) : 0;
}

void showPageControls(table::MainForm& f, bool paged) {
    for (forms::Image* arrow : {&f.ImgUppage(1), &f.ImgDownpage(1)}) {
        arrow->setVisible(paged);
        arrow->setEnabled(paged);
    }
    f.LblshowPage(1).setVisible(paged);
    if (paged) {
        f.ImgUppage(1).zOrder(0);
        f.ImgDownpage(1).zOrder(0);
    }
}

void showRankingPage(MatchContext& ctx, const FromOne<SortEntry>& list, int first) {
    table::MainForm& f = ctx.form;
    SortPageText text;
    const bool paged = DrawSortList(ctx.state, f.Pic_sortDetail, list, text, first);
    showPageControls(f, paged);
    if (paged) {
        f.LblSortInfo(0).setTag(text.page);
        f.LblshowPage(1).setTag(text.count);
        f.LblshowPage(1).setCaption(text.caption);
    }
}

void lockRefresh(forms::Image& refresh, bool visible) {
    ShowButtonPicture(refresh, picture::kRefreshOff, u"2"_s);
    refresh.setEnabled(false);
    refresh.setVisible(visible);
}

} // namespace

std::optional<SortPage> DecodeSortPage(const connection::GameMessage& m) {
    const auto id = nonNegative(m.u32le(16));
    const auto start = nonNegative(m.u32le(20));
    const int first = m.u16le(24);
    const int count = m.u16le(26);
    if (!id || !start || count > kMostEntries ||
        (count > 0 && (first == 0 || first + count - 1 > kLastPlace))) {
        return std::nullopt;
    }
    SortPage page{*id, *start, first, {}};
    for (int i = 0; i < count; ++i) {
        const int at = kEntriesAt + kEntrySize * i;
        const auto score = nonNegative(m.u32le(at + kNicknameSize));
        if (!score) {
            return std::nullopt;
        }
        page.entries.push_back({connection::MixedText(m, at, kNicknameSize), *score});
    }
    return page;
}

void MsgSortPage(MatchContext& ctx, const SortPage& page) {
    MatchState& s = ctx.state;
    if (!s.g_bMatchDownloading && !s.g_bMatchOn) {
        return;
    }
    // The run is found before anything of it is read.
    const int r = GetCurMatchIndex(s, page.id);
    if (r == 0 || s.CurMatch.at(r).StratTime.text != StartOf(ctx, page.start).text) {
        return;
    }
    table::MainForm& f = ctx.form;
    f.ListSort.setTag(QString::number(page.id));
    if (page.entries.empty()) {
        return;
    }
    CurMatchRec& run = s.CurMatch.at(r);
    const int count = static_cast<int>(page.entries.size());
    run.SortList.resize(page.first + count - 1);
    const QString& own = ctx.conn.Detail.at(0).username;
    for (int i = 0; i < count; ++i) {
        const SortEntry& entry = page.entries.at(static_cast<std::size_t>(i));
        run.SortList.at(page.first + i) = entry;
        if (entry.text == own) {
            run.Place = static_cast<std::int16_t>(page.first + i);
            run.RunScore = entry.value;
        }
    }
    if (f.Pic_sortDetail.visible()) {
        if (page.first <= kSortLinesPerPage) {
            showRankingPage(ctx, run.SortList, 1);
        } else {
            const QString pages = QString::number(SortPageCount(run.SortList.size()));
            f.LblshowPage(1).setTag(pages);
            f.LblshowPage(1).setCaption(f.LblSortInfo(0).tag() + u'/' + pages);
        }
        ShowSortSummary(ctx, run);
    }
    if (!f.ImgShowSort.visible()) {
        ShowRankingButton(ctx, page.id);
    }
}

void ImgShowSort_MouseUp(MatchContext& ctx, PanelZoom& zoom) {
    MatchState& s = ctx.state;
    if (s.ShowSortBusy) {
        return;
    }
    table::MainForm& f = ctx.form;
    if (f.Pic_sortDetail.visible()) {
        f.Pic_sortDetail.setVisible(false);
        return;
    }
    const int i = servedRun(ctx);
    if (i == 0) {
        return;
    }
    s.ShowSortBusy = true;
    const CurMatchRec& run = s.CurMatch.at(i);
    f.LblSortInfo(2).setCaption(SortGapText(run));
    f.LblSortInfo(4).setCaption(u"比赛规则："_s + (s.AllMatch.has(run.DefIndex)
                                                       ? s.AllMatch.at(run.DefIndex).rl
                                                       : QString()));
    if (run.RunState == 1) {
        if (s.SortRefreshTick == 0) {
            s.SortRefreshTick = Now(ctx);
            f.LblSortInfo(0).setTag({});
            SendSortRequest(ctx.conn, run.CId);
        }
        lockRefresh(f.ImgRefresh, true);
        f.LblSortTime.setCaption(run.StratTime.text);
    } else {
        s.SortRefreshTick = 0;
        lockRefresh(f.ImgRefresh, false);
        f.LblSortTime.setCaption(run.LStratTime.text);
    }
    f.LblSortTime.setVisible(true);
    f.LblSortTime.zOrder(0);
    f.LblSortInfo(3).setCaption({});
    f.LblSortInfo(3).setVisible(false);

    if (f.Pic_matchDetail.visible()) {
        f.Pic_matchDetail.setVisible(false);
    }
    const QRectF target = CentredPanelArea(f);
    // Messages may replace the runs while the panel grows: the run is found again after it.
    zoom.ZoomInPicture(&table::MainForm::Pic_sortDetail, target,
                       {f.ImgShowSort.left(), f.ImgShowSort.top()},
                       [&s, id = run.CId](MatchContext* table) {
                           const int now = GetCurMatchIndex(s, id);
                           if (table != nullptr && now != 0) {
                               showRankingPage(*table, s.CurMatch.at(now).SortList, 1);
                           }
                           s.ShowSortBusy = false;
                       });
}

void TurnRankingPage(MatchContext& ctx, bool forward) {
    const int i = servedRun(ctx);
    if (i == 0) {
        return;
    }
    const int page = TagNumber(ctx.form.LblSortInfo(0));
    int first = 0;
    if (forward && page < TagNumber(ctx.form.LblshowPage(1))) {
        first = page * kSortLinesPerPage + 1;
    } else if (!forward && page > 1) {
        first = (page - 2) * kSortLinesPerPage + 1;
    } else {
        return;
    }
    showRankingPage(ctx, ctx.state.CurMatch.at(i).SortList, first);
}

void ImgRefresh_Click(MatchContext& ctx) {
    const int i = servedRun(ctx);
    if (i == 0 || ctx.state.CurMatch.at(i).RunState != 1) {
        return;
    }
    ctx.state.SortRefreshTick = Now(ctx);
    ctx.form.LblSortInfo(0).setTag({});
    SendSortRequest(ctx.conn, ctx.state.CurMatch.at(i).CId);
    lockRefresh(ctx.form.ImgRefresh, ctx.form.ImgRefresh.visible());
}

void Pic_sortDetail_KeyDown(MatchContext& ctx, int keyCode) {
    if (keyCode == forms::key::kEscape && ctx.form.Pic_sortDetail.visible()) {
        ctx.form.Pic_sortDetail.setVisible(false);
    }
}

void Pic_sortDetail_MouseDown(MatchContext& ctx, int button, double x, double y) {
    if (button != kLeftButton) {
        return;
    }
    ctx.form.Pic_sortDetail.setTag(u"1"_s);
    BeginPanelDrag(ctx.form.context().state, x, y);
}

void Pic_sortDetail_MouseMove(MatchContext& ctx, int button, double x, double y) {
    table::MainForm& f = ctx.form;
    if (f.Pic_sortDetail.tag() == u"1"_s && button == kLeftButton) {
        if (!DragPanelOnMove(f.context().state, f.Pic_sortDetail, x, y)) {
            return;
        }
        f.Pic_sortDetail.refresh();
    }
    if (f.ImgCloseList(1).tag() != u"0"_s) {
        ShowButtonPicture(f.ImgCloseList(1), picture::kClose, u"0"_s);
    }
    for (auto [image, normal] : {std::pair{&f.ImgUppage(1), picture::kSortUp},
                                 std::pair{&f.ImgDownpage(1), picture::kSortDown},
                                 std::pair{&f.ImgRefresh, picture::kRefresh}}) {
        if (image->enabled() && image->visible() && image->tag() != u"0"_s) {
            ShowButtonPicture(*image, normal, u"0"_s);
        }
    }
}

void Pic_sortDetail_MouseUp(MatchContext& ctx, int button, double x, double y) {
    if (button != kLeftButton) {
        return;
    }
    ctx.form.Pic_sortDetail.setTag({});
    EndPanelDrag(ctx.form.context().state, ctx.form.Pic_sortDetail, x, y);
}

} // namespace qv::match::panels
