#pragma once

namespace qv::hand {
struct HandContext;
}

namespace qv::hand {

/// Puts the table back to the empty table a new game starts from: every card, mark, badge,
/// bubble, play button and countdown hidden, the played-area anchors and the hand geometry set
/// for the layout scale, the face-down hands and the deal pile back in place, and the records of
/// plays, bombs, finishing places and the partner call cleared. Names, seats, details, head
/// pictures and ready marks stay. Running it twice leaves what running it once does.
void ResetTable(HandContext& ctx);

} // namespace qv::hand
