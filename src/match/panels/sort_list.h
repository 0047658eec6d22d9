#pragma once

#include "match/match.h"

#include <QString>

namespace qv::forms {
class PictureBox;
}

namespace qv::match::panels {

/// Ranking lines on one page of the ranking panel.
inline constexpr int kSortLinesPerPage = 10;

/// The page of a ranking that `DrawSortList` painted: its number, the number of pages and the
/// caption "page/pages".
struct SortPageText {
    QString page;
    QString count;
    QString caption;
};

/// The number of ranking pages of a list whose last place is `places`.
[[nodiscard]] int SortPageCount(int places);

/// Paints on `p` the page of `list` that begins at place `first`: the head line in the head
/// colour, then up to ten places in the colours of the first three places and of the others.
/// A `first` that is past the list or not at a page start becomes the last page's first place.
/// An empty list clears `p` and leaves `first` and `text` alone. True when there is more than
/// one page.
bool DrawSortList(const MatchState& state, forms::PictureBox& p, const FromOne<SortEntry>& list,
                  SortPageText& text, int& first);

} // namespace qv::match::panels
