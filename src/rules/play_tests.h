#pragma once

#include "rules/card_code.h"
#include "rules/play_type.h"

#include <span>

namespace qv::rules {

// The pattern tests of the recogniser. Each takes the selection in hand order, its first
// jokerCount cards being its jokers. A test that accepts leaves the selection in the arranged
// order of its type; a test that rejects leaves it exactly as it came, so the next test sees hand
// order again. No test reads or writes outside the selection.

/// 0, or the bomb's type 4 * n for 4 to 12 cards of one face with jokers (the four jokers: 16).
/// Arranged: the natural cards in their order, then the jokers in theirs.
PlayType IsBomb(std::span<CardCode> cards, int jokerCount);

/// Five cards forming a triple and a pair: the triple first, each part led by a natural card.
bool IsThreeWithPair(std::span<CardCode> cards, int jokerCount);

/// 6 to 13 single faces in a row: arranged from the highest place to the lowest, each joker at the
/// place it stands for.
bool IsStraight(std::span<CardCode> cards, int jokerCount);

/// Two or more pairs of consecutive faces, arranged from the highest pair to the lowest.
bool IsPairRun(std::span<CardCode> cards, int jokerCount);

/// Two or more triples of consecutive faces, arranged from the highest triple to the lowest.
bool IsTripleRun(std::span<CardCode> cards, int jokerCount);

/// k consecutive triples followed by k pairs (5 * k cards): the triples from the highest to the
/// lowest, then the pairs.
bool IsAirplane(std::span<CardCode> cards, int jokerCount);

} // namespace qv::rules
