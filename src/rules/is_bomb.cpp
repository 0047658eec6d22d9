#include "rules/play_tests.h"

#include <algorithm>

namespace qv::rules {

PlayType IsBomb(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    if (n < kMinBombCards || n > kMaxBombCards || jokerCount < 0 || jokerCount > n) {
        return PlayNone;
    }
    // The four jokers alone have no natural card whose face could be read: decide them first.
    if (jokerCount == n) {
        return n == kMinBombCards ? PlayBomb(n) : PlayNone;
    }
    if (cardFace(cards[static_cast<std::size_t>(jokerCount)]) != cardFace(cards.back())) {
        return PlayNone;
    }
    std::rotate(cards.begin(), cards.begin() + jokerCount, cards.end());
    return PlayBomb(n);
}

} // namespace qv::rules
