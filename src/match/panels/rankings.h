#pragma once

#include "match/match.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace qv::connection {
class GameMessage;
}

namespace qv::match {
struct MatchContext;
}

namespace qv::match::panels {

class PanelZoom;

/// A page of a run's ranking from the server: the run (its id and start) and the players placed
/// from `first` on.
struct SortPage {
    std::int32_t id = 0;
    std::int64_t start = 0;
    int first = 0;
    std::vector<SortEntry> entries;
};

/// Reads a ranking page; none when it does not fit its layout: more than six entries, a first
/// place of 0 or a last one above 32767, an id, start or score with the top bit set.
[[nodiscard]] std::optional<SortPage> DecodeSortPage(const connection::GameMessage& m);

/// Stores a ranking page in its run and, while the ranking panel is open, shows it: the first
/// page again when the page holds one of the first ten places, otherwise only the page count.
/// The ranking button is shown.
void MsgSortPage(MatchContext& ctx, const SortPage& page);

/// Opens the ranking panel for the run the panel serves, growing it from the button, or closes
/// it. A run in play is asked for its ranking, at most once until the refresh lock ends.
void ImgShowSort_MouseUp(MatchContext& ctx, PanelZoom& zoom);
/// The next or the previous ranking page.
void TurnRankingPage(MatchContext& ctx, bool forward);
/// Asks again for the ranking of the run in play.
void ImgRefresh_Click(MatchContext& ctx);

/// The ranking panel's own input: Esc, the drag by its body, the hovered buttons put back.
void Pic_sortDetail_KeyDown(MatchContext& ctx, int keyCode);
void Pic_sortDetail_MouseDown(MatchContext& ctx, int button, double x, double y);
void Pic_sortDetail_MouseMove(MatchContext& ctx, int button, double x, double y);
void Pic_sortDetail_MouseUp(MatchContext& ctx, int button, double x, double y);

} // namespace qv::match::panels
