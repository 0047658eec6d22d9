#pragma once

#include "hand/hand_state.h"
#include "hand/player_info.h"

#include <array>

namespace qv::hand {

/// Whether a card of the own hand (slots 0 to `sum` - 1) is shown by image `imageIndex`. An
/// image whose card was played shows no card of the hand.
[[nodiscard]] bool HandHasImage(const PlayerInfo& own, int imageIndex);

/// The seats' share of the per-hand reset: every hand emptied, the first six slots without an
/// image, the seats' scores and the finishing count back to 0. Names, seats, anchors, card codes
/// and the roll-back copy stay.
void ClearHandRecords(HandState& hand);

} // namespace qv::hand
