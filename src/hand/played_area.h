#pragma once

namespace qv::hand {

/// Left of card i of a played row of `count` cards `cardWidth` wide, centred on `anchorX`: the
/// cards overlap to 0.22 of their width at full scale and to 0.19 below it.
[[nodiscard]] double PlayedCardLeft(double anchorX, int count, int i, double cardWidth,
                                    float scaleX);

/// The design x of the played-row anchor of relative seat 1 or 3 for a play of `count` cards:
/// the longer the row, the further it stands from the seat's edge.
[[nodiscard]] int PlayedRowAnchorX(int seat, int count);

/// The size of a face-down pile, 0 to 3, for `cardsLeft` cards; -1 (no picture) below 0.
[[nodiscard]] int PileSize(int cardsLeft);

} // namespace qv::hand
