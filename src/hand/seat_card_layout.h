#pragma once

#include "hand/player_info.h"

#include <span>

namespace qv::hand {
struct HandContext;
}

namespace qv::hand {

/// Sorts a seat's cards into hand order by two exchange passes over the codes (faces
/// descending, then suit flags descending within a face); the slots' images stay where they
/// are. Two copies of one card end up in the order these passes give.
void SortSeatCards(std::span<CardSlot> slots);

/// The Top of every card of relative seat 1, 2 or 3 when it shows `count` cards, below the top
/// bar whose bottom edge is `barBottom`.
[[nodiscard]] double SeatRowTop(int seat, int count, double barBottom, double cardHeight,
                                float scaleX, float scaleY);
/// The left edge of the row of relative seat 1 (left-aligned), 2 (centred) or 3 (right-aligned)
/// that is `total` pixels wide on a table `tableWidth` pixels wide.
[[nodiscard]] int SeatRowLeft(int seat, int total, double tableWidth);

/// Sorts the first `count` cards of relative seat `seat` and shows them on the seat's card
/// images: the own hand in place, the other seats face up in a row under the top bar. A count
/// outside 0 to 27 is taken as the nearest of them; a card that is no card of the deck is left
/// out of the display.
void LayoutSeatCards(HandContext& ctx, int seat, int count);

} // namespace qv::hand
