#include "rules/arrangement.h"
#include "rules/play_tests.h"
#include "rules/run_walk.h"

#include <array>

namespace qv::rules {

namespace {

constexpr int kMinPairRun = 4;
constexpr int kMaxPairRun = 26;
constexpr int kMaxUnits = kMaxPairRun / 2;

int faceAt(std::span<const CardCode> cards, int position) {
    return cardFace(cards[static_cast<std::size_t>(position)]);
}

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

/// A run holding a natural 2 (or of 26 cards), built from the 2s up; an A stands below the 2s,
/// except in 26 cards, where the run ends with the A on top.
bool arrangeFromTwo(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    const int unitCount = n / 2;
    std::array<RunUnit, kMaxUnits + 1> units{};
    BottomUpRun run(cards, jokerCount);
    RunUnit& twos = units[0];
    if (faceAt(cards, jokerCount) == kFaceTwo) {
        run.take(twos, jokerCount);
    } else if (!run.takeJoker(twos)) {
        return false;
    }
    if (jokerCount + 1 < n && faceAt(cards, jokerCount + 1) == kFaceTwo) {
        run.take(twos, jokerCount + 1);
    } else if (!run.takeJoker(twos)) {
        return false;
    }
    for (int face = 3; face <= unitCount; ++face) {
        RunUnit& unit = units[static_cast<std::size_t>(face - 2)];
        if (!run.takeFace(unit, face) || !run.takeFace(unit, face)) {
            return false;
        }
    }
    const RunUnit last = run.rest();
    if (last.size != 2) {
        return false;
    }
    if (run.holdsOnly(last, unitCount + 1)) {
        units[static_cast<std::size_t>(unitCount - 1)] = last;
        return applyTopDown(cards, jokerCount, std::span(units).first(unitCount));
    }
    if (n != kMaxPairRun && run.holdsOnly(last, kFaceAce)) {
        std::array<RunUnit, kMaxUnits + 1> withAceBelow{};
        withAceBelow[0] = last;
        for (int u = 0; u + 1 < unitCount; ++u) {
            withAceBelow[static_cast<std::size_t>(u + 1)] = units[static_cast<std::size_t>(u)];
        }
        return applyTopDown(cards, jokerCount, std::span(withAceBelow).first(unitCount));
    }
    return false;
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
        return arrangeFromTwo(cards, jokerCount);
    }
    return arrangeFromTop(cards, jokerCount);
}

} // namespace qv::rules
