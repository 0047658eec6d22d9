#pragma once

#include "connection/play_made.h"

namespace qv::hand {

struct HandContext;

/// A play made (command 6), in the order the table relies on: the play controls go, the turn
/// stops, a finished trick leaves the table, a pass shows its bubble, the player's turn opens
/// when he is next, the clock moves to the next seat, a real play is applied (or, after a pass,
/// the bomb log settled), the turn token is kept and the next turn's countdown starts.
void OnPlayMade(HandContext& ctx, const connection::PlayMade& play);

} // namespace qv::hand
