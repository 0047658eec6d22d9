#pragma once

#include <cstdint>
#include <span>

namespace qv::rules {

/// A card of the double deck: suit flag in bits 0-3 (1 diamonds, 2 clubs, 4 hearts, 8 spades),
/// face in bits 8-15, deck index in bits 24-31. Bits 16-23 travel unread. The play to beat holds
/// cards without deck index (face * 256 + suit flag); every rule reads only face and suit, so
/// both forms serve.
using CardCode = std::int32_t;

/// Key of the card-picture tables: face + 16 * suit index.
using PicCode = int;

inline constexpr int kFaceTwo = 15;
inline constexpr int kFaceAce = 14;
inline constexpr int kFaceSmallJoker = 16;
inline constexpr int kFaceBigJoker = 17;
inline constexpr int kLowestFace = 3;

/// Diamonds, clubs, hearts, spades.
inline constexpr int kSuitFlags[] = {1, 2, 4, 8};

/// Fields are read as bit fields, so a deck index of 128 or more (sign bit set) cannot turn the
/// face or suit negative.
constexpr int cardFace(CardCode card) {
    return static_cast<int>((static_cast<std::uint32_t>(card) >> 8) & 0xFFU);
}
constexpr int cardSuit(CardCode card) {
    return static_cast<int>(static_cast<std::uint32_t>(card) & 0x0FU);
}
constexpr int cardDeckIndex(CardCode card) {
    return static_cast<int>(static_cast<std::uint32_t>(card) >> 24);
}
constexpr CardCode makeCard(int face, int suitFlag, int deckIndex = 0) {
    return static_cast<CardCode>((static_cast<std::uint32_t>(deckIndex & 0xFF) << 24) |
                                 (static_cast<std::uint32_t>(face & 0xFF) << 8) |
                                 static_cast<std::uint32_t>(suitFlag & 0xFF));
}

constexpr bool isJoker(CardCode card) {
    const int face = cardFace(card);
    return face == kFaceSmallJoker || face == kFaceBigJoker;
}

/// The number of halvings until the value is at most 1: 1, 2, 4, 8 give 0, 1, 2, 3; a value of
/// 1 or less gives 0. The rules need it only to turn a suit flag into a suit index.
constexpr int IntLog2(int value) {
    int count = 0;
    while (value > 1) {
        value /= 2;
        ++count;
    }
    return count;
}

constexpr PicCode picCodeOf(CardCode card) {
    return cardFace(card) + 16 * IntLog2(cardSuit(card));
}

/// Hand order: face descending, then suit flag descending. The recogniser relies on it: the
/// jokers stand first, equal faces stand together and natural faces descend.
constexpr bool handOrderBefore(CardCode a, CardCode b) {
    if (cardFace(a) != cardFace(b)) {
        return cardFace(a) > cardFace(b);
    }
    return cardSuit(a) > cardSuit(b);
}

/// Puts cards into hand order; two copies of one card keep their relative order.
void sortHandOrder(std::span<CardCode> cards);

/// The number of jokers at the start of a selection in hand order.
int JokerCount(std::span<const CardCode> cards);

} // namespace qv::rules
