#pragma once

#include "hand/hand_state.h"

namespace qv::forms {
class Image;
template <class T>
class ControlArray;
} // namespace qv::forms

namespace qv::hand {

struct HandContext;

/// The card images of relative seat `seat`: `cardImage0` for the player, `cardImage1` to
/// `cardImage3` for the others.
[[nodiscard]] forms::ControlArray<forms::Image>& SeatCardImages(HandContext& ctx, int seat);

/// Hides the images a played-area list names (its count in element 33 when above 0 and below
/// 33; indexes outside 0 to 32 are skipped).
void HidePlayed(HandContext& ctx, int seat, const PlayedImages& list);
/// Shows them again, each brought to the front.
void ShowPlayed(HandContext& ctx, int seat, const PlayedImages& list);

/// A seat's play leaves the table and becomes its previous play: the previous one is hidden,
/// then the current one is hidden and copied into `PrevPlayedImg`.
void RetirePlayed(HandContext& ctx, int seat);

} // namespace qv::hand
