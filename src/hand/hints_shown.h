#pragma once

namespace qv::hand {

struct HandContext;

/// Runs the hint search once per turn: the lead search on a free lead, else the search against
/// the play to beat.
void PrepareHints(HandContext& ctx);

/// For the countdown's automatic play (`ShowHint`): raises the cards of the first hint, after
/// lowering whatever was raised; false, with the hand untouched, when there is none.
bool ShowHint(HandContext& ctx);

/// The hint button: each press lowers the hand and raises the next hint, from the first again
/// after the last; without any hint the player passes.
void PressHint(HandContext& ctx);

/// The pass the hint button makes when there is nothing to play: the turn ends, the play
/// buttons go, the hand is lowered and the pass is queued.
void AutoPass(HandContext& ctx);

} // namespace qv::hand
