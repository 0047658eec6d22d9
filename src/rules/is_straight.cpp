#include "rules/arrangement.h"
#include "rules/play_tests.h"

#include <array>

namespace qv::rules {

namespace {

constexpr int kMinStraight = 6;
constexpr int kMaxStraight = 13;

/// A run holding a 2: 2, 3, ... n + 1, or A, 2, ... n, or for thirteen cards 2 to the A (a joker
/// may then stand for the 2). Built from the lowest place up, written back from the highest.
bool arrangeLowRun(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    std::array<int, kMaxStraight> places{};
    std::array<bool, kMaxStraight> taken{};
    int filled = 0;
    int spare = jokerCount;
    int cursor = 0;
    if (faceAt(cards, jokerCount) == kFaceTwo) {
        places[0] = jokerCount;
        taken[static_cast<std::size_t>(jokerCount)] = true;
    } else {
        if (jokerCount == 0) {
            return false;
        }
        places[0] = 0;
        spare = jokerCount - 1;
        cursor = 1;
    }
    filled = 1;
    for (int rank = 3; rank <= n; ++rank) {
        int found = -1;
        for (int i = jokerCount; i < n; ++i) {
            if (faceAt(cards, i) == rank) {
                found = i;
                break;
            }
        }
        if (found < 0) {
            if (spare == 0) {
                return false;
            }
            found = cursor++;
            --spare;
        }
        taken[static_cast<std::size_t>(found)] = true;
        places[static_cast<std::size_t>(filled++)] = found;
    }
    const int second = jokerCount + 1;
    if (!taken[static_cast<std::size_t>(second)]) {
        if (faceAt(cards, second) == n + 1) {
            places[static_cast<std::size_t>(filled++)] = second;
        } else if (faceAt(cards, second) == kFaceAce && n < kMaxStraight) {
            for (int i = filled; i > 0; --i) {
                places[static_cast<std::size_t>(i)] = places[static_cast<std::size_t>(i - 1)];
            }
            places[0] = second;
            ++filled;
        } else {
            return false;
        }
    } else {
        // The top place: a joker, or in a thirteen-card run whose 2 is a joker the ace that the
        // cursor has reached once every joker is used.
        if (cursor >= n || taken[static_cast<std::size_t>(cursor)] ||
            (cursor >= jokerCount && faceAt(cards, cursor) != kFaceAce)) {
            return false;
        }
        places[static_cast<std::size_t>(filled++)] = cursor;
    }
    Arrangement arrangement(jokerCount);
    for (int i = filled - 1; i >= 0; --i) {
        arrangement.add(places[static_cast<std::size_t>(i)]);
    }
    return arrangement.applyTo(cards);
}

/// A run without a 2, the ace only at its top: spare jokers extend it upward to the ace first,
/// then downward, never below the 3.
bool arrangeHighRun(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    const int top = faceAt(cards, jokerCount);
    const int bottom = faceAt(cards, n - 1);
    const int span = top - bottom + 1;
    const int gaps = span - (n - jokerCount);
    if (gaps > jokerCount) {
        return false;
    }
    int high = top;
    int low = bottom;
    for (int extra = n - span; extra > 0; --extra) {
        if (high < kFaceAce) {
            ++high;
        } else if (low == kLowestFace) {
            return false;
        } else {
            --low;
        }
    }
    Arrangement arrangement(jokerCount);
    for (int face = high; face > top; --face) {
        arrangement.addJoker();
    }
    for (int i = jokerCount; i < n; ++i) {
        arrangement.add(i);
        if (i + 1 < n) {
            for (int missing = faceAt(cards, i) - faceAt(cards, i + 1) - 1; missing > 0;
                 --missing) {
                arrangement.addJoker();
            }
        }
    }
    for (int face = bottom; face > low; --face) {
        arrangement.addJoker();
    }
    return arrangement.applyTo(cards);
}

} // namespace

bool IsStraight(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    if (n < kMinStraight || n > kMaxStraight || !hasNaturalAfterJokers(n - 1, jokerCount)) {
        return false;
    }
    for (int i = jokerCount; i + 1 < n; ++i) {
        if (faceAt(cards, i) == faceAt(cards, i + 1)) {
            return false;
        }
    }
    if (faceAt(cards, jokerCount) == kFaceTwo || n == kMaxStraight) {
        return arrangeLowRun(cards, jokerCount);
    }
    return arrangeHighRun(cards, jokerCount);
}

} // namespace qv::rules
