#pragma once

namespace qv::match {
struct MatchContext;
}

namespace qv::match::panels {

class PanelZoom;

/// Rows on one page of the match list.
inline constexpr int kListRowsPerPage = 5;

/// Fills page `page` of the match list from the display rows and writes back the page shown
/// (within 1 and the last page). The first fill after the runs were replaced links each run to
/// its definition; when one has none, no run stays linked, the screen is left as it was and the
/// next fill tries again. False when nothing was filled.
bool InitCurMatchShow(MatchContext& ctx, int& page);

/// A click on any part of list row `index` shows that row's run in the detail half.
void LblMathStart_Click(MatchContext& ctx, int index);
/// The paging buttons: index 0 pages the match list, index 1 the ranking.
void ImgDownpage_Click(MatchContext& ctx, int index);
void ImgUppage_Click(MatchContext& ctx, int index);
/// Index 0 closes the match panel, index 1 the ranking panel.
void ImgCloseList_Click(MatchContext& ctx, int index);
/// Signs up for the run the detail half shows.
void ImgSign_Click(MatchContext& ctx);
/// Shows the tournament button when it is hidden and hides it when it is shown.
void ImgOpenMatchBtn_MouseUp(MatchContext& ctx);
/// Opens the match panel on its list page, growing it from the button, or closes it. A press
/// while the panel is still opening is ignored.
void ImgShowMatch_MouseUp(MatchContext& ctx, PanelZoom& zoom);

/// The hover pictures of the list's and panels' buttons.
void ImgMatch_MouseMove(MatchContext& ctx, int index);
void ImgSign_MouseMove(MatchContext& ctx);
void ImgUppage_MouseMove(MatchContext& ctx, int index);
void ImgDownpage_MouseMove(MatchContext& ctx, int index);
void ImgCloseList_MouseMove(MatchContext& ctx, int index);
void ImgRefresh_MouseMove(MatchContext& ctx);
void ImgOpenMatchBtn_MouseMove(MatchContext& ctx);

} // namespace qv::match::panels
