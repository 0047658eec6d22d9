#pragma once

#include "rules/card_code.h"

namespace qv::hand {
struct HandContext;
}

namespace qv::hand {

/// Whether a picture code names a card picture: faces 3 to 15 of the four suits, the two
/// jokers (16, 17) and the card back (18).
[[nodiscard]] bool IsCardPicture(rules::PicCode picCode);

/// Whether a card code's face and suit name a card of the deck: faces 3 to 15 with a suit flag,
/// the jokers with suit flag 0 or 1.
[[nodiscard]] bool IsDeckCard(rules::CardCode card);

/// Puts the 80 x 109 picture of `picCode` on image `imageIndex` of the played-card array of
/// relative seat `seat` (`cardImage0` to `cardImage3`); another seat does nothing. A code that
/// names no card leaves the image as it is and is logged: it can only come from the server.
void ShowCard(HandContext& ctx, int seat, int imageIndex, rules::PicCode picCode);

/// Puts the 90 x 122 hand picture of `picCode` on `cardImage0`(`imageIndex`); `seat` is not
/// used. A code that names no card is handled as by `ShowCard`.
void ShowSmallCard(HandContext& ctx, int seat, int imageIndex, rules::PicCode picCode);

} // namespace qv::hand
