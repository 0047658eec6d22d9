#pragma once

#include "rules/card_code.h"

#include <cstddef>
#include <span>

namespace qv::hand {
struct HandContext;
}

namespace qv::hand {

/// Deals the player's cards, given in the order of the message, onto a table that has just been
/// reset: the deal sound, the own record and its roll-back copy (card i on image i), the deal
/// animation for a full hand, the hand laid out and sorted, and the three other seats' 27
/// face-down cards. Slots beyond the hand's 33 are not filled.
void OnDealCards(HandContext& ctx, std::span<const rules::CardCode> cards);

/// Places the face-down pile of relative seat k + 1 (`shanImage(k)`) for its picture of size
/// 0 to 3: beside the left or right edge, or under the top bar; below full scale at the size's
/// design width and height.
void PlaceFaceDownPile(HandContext& ctx, int k, std::size_t size);

/// Lays the own hand's images out in a row in slot order at the unraised height.
void PlaceOwnHand(HandContext& ctx);

} // namespace qv::hand
