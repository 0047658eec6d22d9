#include "rules/arrangement.h"
#include "rules/play_tests.h"
#include "rules/run_from_two.h"

#include <array>

namespace qv::rules {

namespace {

constexpr int kMinPairRun = 4;
constexpr int kMaxPairRun = 26;
constexpr int kMaxUnits = kMaxPairRun / 2;

/// A run without a natural 2, within 3 .. A. Extra jokers raise it a face per two jokers up to
/// the A, and only then lower it.
bool arrangeFromTop(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    const int highest = faceAt(cards, jokerCount);
    const int lowest = faceAt(cards, n - 1);
    const int needed = 2 * (highest - lowest + 1) - (n - jokerCount);
    if (needed > jokerCount) {
        return false;
    }
    int top = highest;
    int bottom = lowest;
    for (int extra = jokerCount - needed; extra > 0; extra -= 2) {
        if (top == kFaceAce) {
            if (bottom == kLowestFace) {
                return false;
            }
            --bottom;
        } else {
            ++top;
        }
    }
    // Jokers go, in the order they stand, to the faces above the run, then to the single natural
    // cards, then to the missing faces between, then to the faces below.
    int nextJoker = 0;
    Arrangement arrangement(jokerCount);
    for (int face = top; face > highest; --face) {
        arrangement.add(nextJoker++);
        arrangement.add(nextJoker++);
    }
    std::array<RunUnit, kMaxUnits> units{};
    int unitCount = 0;
    for (int i = jokerCount; i < n; ++unitCount) {
        if (unitCount == kMaxUnits) {
            return false;
        }
        RunUnit& unit = units[static_cast<std::size_t>(unitCount)];
        unit.face = faceAt(cards, i);
        unit.add(i);
        if (i + 1 < n && faceAt(cards, i + 1) == unit.face) {
            unit.add(i + 1);
            i += 2;
        } else {
            unit.add(nextJoker++);
            i += 1;
        }
    }
    for (int u = 0; u < unitCount; ++u) {
        const RunUnit& unit = units[static_cast<std::size_t>(u)];
        arrangement.add(unit.positions[0]);
        arrangement.add(unit.positions[1]);
        const int nextFace = u + 1 < unitCount ? units[static_cast<std::size_t>(u + 1)].face : 0;
        for (int face = unit.face - 1; u + 1 < unitCount && face > nextFace; --face) {
            arrangement.add(nextJoker++);
            arrangement.add(nextJoker++);
        }
    }
    for (int face = lowest - 1; face >= bottom; --face) {
        arrangement.add(nextJoker++);
        arrangement.add(nextJoker++);
    }
    return nextJoker == jokerCount && arrangement.applyTo(cards);
}

} // namespace

bool IsPairRun(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    if (n % 2 != 0 || n < kMinPairRun || n > kMaxPairRun || !hasNaturalAfterJokers(n, jokerCount)) {
        return false;
    }
    for (int j = jokerCount; j + 2 < n; ++j) {
        if (faceAt(cards, j) == faceAt(cards, j + 2)) {
            return false;
        }
    }
    if (faceAt(cards, jokerCount) == kFaceTwo || n == kMaxPairRun) {
        // With 26 cards the run reaches from the 2 up to the A: no A below the 2s.
        return arrangeRunFromTwo(cards, jokerCount, 2, n != kMaxPairRun);
    }
    return arrangeFromTop(cards, jokerCount);
}

} // namespace qv::rules
