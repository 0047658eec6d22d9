#pragma once

#include "rules/card_code.h"

#include <QString>

#include <array>
#include <cstdint>

namespace qv::hand {

/// The slots of a hand: 27 cards and room to spare.
inline constexpr int kHandSlots = 33;

/// One card of a hand and the image that shows it.
struct CardSlot {
    rules::CardCode code = 0;
    /// The card image: for the own hand an element of `cardImage0`; -1 for none.
    std::int16_t Ind = 0;

    friend bool operator==(const CardSlot&, const CardSlot&) = default;
};

using Hand = std::array<CardSlot, kHandSlots>;

/// One seat's record; `custom(0)` is the player.
struct PlayerInfo {
    /// The seated player's account (not his nickname).
    QString name;
    /// The seat as the bit 1, 2, 4 or 8; 0 until the first seating message.
    std::uint8_t seat = 0;
    /// Anchor of the seat's played cards, in table pixels.
    std::int16_t playX = 0;
    std::int16_t playY = 0;
    /// The hand: slots 0 to `sum` - 1 hold cards.
    Hand pai{};
    std::int16_t sum = 0;
    /// The own hand as it was before the cards of the last play left it.
    Hand bakPai{};
    std::int16_t bakSum = 0;

    friend bool operator==(const PlayerInfo&, const PlayerInfo&) = default;
};

} // namespace qv::hand
