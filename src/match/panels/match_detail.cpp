#include "match/panels/match_detail.h"

#include "match/match_context.h"
#include "match/match_screen.h"
#include "match/panels/panel_input.h"
#include "match/panels/panel_layout.h"
#include "match/panels/panel_pictures.h"
#include "table/main_form.h"
#include "table/table_context.h"

namespace qv::match::panels {

using namespace Qt::StringLiterals;

namespace {

constexpr double kPrizeLineGap = 2;

void clearDetail(table::MainForm& f) {
    ClearDetailTexts(f);
    f.ImgSign.setEnabled(true);
    f.LblShowName.setTag({});
}

/// Prize line `i`, made below the one before it when the panel has none yet.
forms::Label& prizeLine(table::MainForm& f, int i) {
    if (!f.LblPrizeInfo.exists(i)) {
        const forms::Label& above = f.LblPrizeInfo(i - 1);
        forms::Label& line = f.LblPrizeInfo.load(i);
        line.move(f.LblPrizeInfo(0).left(), above.top() + above.height() + kPrizeLineGap);
    }
    return f.LblPrizeInfo(i);
}

void showPrizeLines(table::MainForm& f, const MatchPrizeTable& table, bool stopAtEmpty) {
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        const PrizeLine& line = table.at(static_cast<std::size_t>(i));
        if (stopAtEmpty && line[0].isEmpty()) {
            return;
        }
        forms::Label& label = prizeLine(f, i);
        label.setCaption(line[0] + u": "_s + line[1]);
        label.setVisible(true);
    }
}

void showStampOrButton(table::MainForm& f, const CurMatchRec& row) {
    if (row.CPstate == 1) {
        LoadPanelPicture(f.ImgShowSign, picture::kStampSignedUp);
        f.ImgShowSign.setVisible(true);
        return;
    }
    if (row.CPstate != 0) {
        return;
    }
    switch (row.RunState) {
    case 0:
        ShowButtonPicture(f.ImgSign, picture::kSignUp, u"0"_s);
        f.ImgSign.setVisible(true);
        break;
    case 1:
        LoadPanelPicture(f.ImgShowSign, picture::kStampPlaying);
        f.ImgShowSign.setVisible(true);
        break;
    case 2:
        LoadPanelPicture(f.ImgShowSign, picture::kStampEnded);
        f.ImgShowSign.setVisible(true);
        break;
    default:
        break;
    }
}

} // namespace

void ClearDetailTexts(table::MainForm& f) {
    f.ImgShowSign.setVisible(false);
    f.ImgSign.setVisible(false);
    f.LblShowName.setCaption({});
    for (int k = 0; k < kDetailLines; ++k) {
        f.LblShowInfo(k).setCaption({});
    }
    for (forms::Label* line : f.LblPrizeInfo.elements()) {
        line->setCaption({});
    }
    f.LblNote.setCaption({});
    f.LblShowLeftTime.setCaption({});
    f.LblShowLeftTime.setVisible(false);
}

void ShowMatchDetail(MatchContext& ctx, int row) {
    table::MainForm& f = ctx.form;
    const MatchState& s = ctx.state;
    clearDetail(f);
    if (!s.CurMatchShow.has(row)) {
        return;
    }
    const CurMatchRec& r = s.CurMatchShow.at(row);
    if (!s.AllMatch.has(r.DefIndex) || r.CLastFlg) {
        return;
    }
    const MatchDef& d = s.AllMatch.at(r.DefIndex);
    f.LblShowName.setTag(QString::number(row));
    f.LblShowName.setCaption(RowCaption(s, r));
    f.LblShowInfo(0).setCaption(r.StratTime.text);
    f.LblShowInfo(1).setCaption(QString::number(d.utl) + u'-' + QString::number(d.ut));
    f.LblShowInfo(2).setCaption(r.StrDuration);
    f.LblShowInfo(3).setCaption(d.FeeText);
    f.LblNote.setCaption(d.des);
    f.LblNote.setVisible(true);
    f.LblNote.zOrder(0);
    for (int k = 0; k < kDetailLines; ++k) {
        f.LblShowTip(k).zOrder(0);
        f.LblShowTip(k).setVisible(true);
        f.LblShowInfo(k).zOrder(0);
        f.LblShowInfo(k).setVisible(true);
    }
    showStampOrButton(f, r);
    showPrizeLines(f, r.PrizeTable, true);
    if (f.LblPrizeInfo(0).caption().isEmpty()) {
        showPrizeLines(f, d.PrizeTable, false);
    }
}

void Pic_matchDetail_KeyDown(MatchContext& ctx, int keyCode) {
    if (keyCode == forms::key::kEscape && ctx.form.Pic_matchDetail.visible()) {
        ctx.form.Pic_matchDetail.setVisible(false);
    }
}

void Pic_matchDetail_MouseDown(MatchContext& ctx, int button, double x, double y) {
    if (button != kLeftButton) {
        return;
    }
    // The panel's own tag holds the list page, so the drag mark lives in the stamp's.
    ctx.form.ImgShowSign.setTag(u"1"_s);
    BeginPanelDrag(ctx.form.context().state, x, y);
}

void Pic_matchDetail_MouseMove(MatchContext& ctx, int button, double x, double y) {
    table::MainForm& f = ctx.form;
    f.ImgMatchListName.MouseOut();
    for (forms::Image* row : f.ImgMatch.elements()) {
        if (TagNumber(*row) != 0) {
            ShowButtonPicture(*row, picture::kRow, u"0"_s);
        }
    }
    if (f.ImgSign.tag() != u"0"_s && f.ImgSign.visible() && f.ImgSign.enabled()) {
        ShowButtonPicture(f.ImgSign, picture::kSignUp, u"0"_s);
    }
    for (auto [arrow, normal] : {std::pair{&f.ImgUppage(0), picture::kListUp},
                                 std::pair{&f.ImgDownpage(0), picture::kListDown}}) {
        if (arrow->visible() && arrow->enabled() && arrow->tag() != u"0"_s) {
            ShowButtonPicture(*arrow, normal, u"0"_s);
        }
    }
    if (f.ImgCloseList(0).tag() != u"0"_s) {
        ShowButtonPicture(f.ImgCloseList(0), picture::kClose, u"0"_s);
    }
    if (f.ImgShowSign.tag() == u"1"_s && button == kLeftButton) {
        DragPanelOnMove(f.context().state, f.Pic_matchDetail, x, y);
    }
}

void Pic_matchDetail_MouseUp(MatchContext& ctx, int button, double x, double y) {
    if (button != kLeftButton) {
        return;
    }
    ctx.form.ImgShowSign.setTag({});
    EndPanelDrag(ctx.form.context().state, ctx.form.Pic_matchDetail, x, y);
}

} // namespace qv::match::panels
