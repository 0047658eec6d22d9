#pragma once

#include "rules/hint_list.h"

namespace qv::forms {
class Image;
}

namespace qv::hand {

struct HandContext;

/// The image of own hand slot `slot`, or null when the slot names no image.
[[nodiscard]] forms::Image* SlotImage(HandContext& ctx, int slot);

/// A hand card is raised exactly when its image stands above `g_HandBaseTop`, both compared in
/// single precision.
[[nodiscard]] bool IsRaised(HandContext& ctx, int slot);
[[nodiscard]] bool IsRaisedImage(const HandContext& ctx, const forms::Image& image);

/// Raises the card of a slot by a fifth of its image's height.
void RaiseHandCard(HandContext& ctx, int slot);
/// Puts every raised card of the hand back on `g_HandBaseTop`.
void LowerRaisedCards(HandContext& ctx);

/// Raises one free hand card for each face of `hint`: the first of that face, else the first
/// free card from the front of the hand, where the jokers stand. Each card is raised once.
void RaiseHint(HandContext& ctx, const rules::HintRow& hint);

} // namespace qv::hand
