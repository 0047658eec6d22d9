#pragma once

#include "match/match_context.h"

#include <QString>

#include <cstdint>

namespace qv::forms {
class Component;
}

namespace qv::match {

/// The steps the tournament messages share on the table window.

/// The ranking refresh button's normal picture.
inline constexpr std::int16_t kRefreshPicture = 1552;

/// The millisecond tick now.
[[nodiscard]] std::uint32_t Now(const MatchContext& ctx);
/// The start at `seconds`, its text as the table's type writes it.
[[nodiscard]] StartText StartOf(const MatchContext& ctx, std::int64_t seconds);
/// Posts a system notice (nothing for an empty one).
void Notice(MatchContext& ctx, QString text);
/// The number a control's tag holds, 0 when it holds none.
[[nodiscard]] int TagNumber(const forms::Component& control);
/// "Quorvale" and the name of a display row's definition: the caption that names it.
[[nodiscard]] QString RowCaption(const MatchState& state, const CurMatchRec& row);

/// Turns the tournaments off after a failed list message: the flags cleared, the tournament,
/// ranking and arrow buttons hidden and disabled.
void SwitchOff(MatchContext& ctx);
/// The list is filled: the tournament button and its arrow are shown.
void ShowMatchButtons(MatchContext& ctx);
/// Shows the ranking button for run `id`.
void ShowRankingButton(MatchContext& ctx, std::int32_t id);
/// The gap of the player's score to the leader of a run's ranking: "0" for the leader or without
/// a ranking.
[[nodiscard]] QString SortGapText(const CurMatchRec& run);
/// The player's place ("无排名" without one), score and gap to the leader in the ranking panel.
void ShowSortSummary(MatchContext& ctx, const CurMatchRec& run);
/// Refills the open list page and shows again the run the detail panel showed, found by its
/// caption and start; the page's first row when it is gone.
void RefreshOpenList(MatchContext& ctx);
/// Shows again the run of `id` in the open detail panel, when the panel shows it.
void RefreshOpenDetail(MatchContext& ctx, std::int32_t id);
/// Refills the open list page and shows its first row in the detail panel.
void RefreshPageAndFirstRow(MatchContext& ctx);

} // namespace qv::match
