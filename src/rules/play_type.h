#pragma once

namespace qv::rules {

/// What a selection forms. As the type of the play to beat, PlayNone means a free lead.
using PlayType = int;

inline constexpr PlayType PlayNone = 0;
inline constexpr PlayType PlaySingle = 1;
inline constexpr PlayType PlayPair = 2;
inline constexpr PlayType PlayTriple = 3;
inline constexpr PlayType PlayPairRun = 4;
inline constexpr PlayType PlayTripleRun = 6;
inline constexpr PlayType PlayAirplane = 10;
inline constexpr PlayType PlayStraight = 12;
inline constexpr PlayType PlayTripleWithPair = 14;

inline constexpr int kMinBombCards = 4;
/// Eight natural cards of one face and the four jokers.
inline constexpr int kMaxBombCards = 12;

/// A bomb's type is four times its card count, so a longer bomb is always the higher type.
constexpr PlayType PlayBomb(int cardCount) {
    return 4 * cardCount;
}

constexpr bool isBombType(PlayType type) {
    return type > 15;
}

} // namespace qv::rules
