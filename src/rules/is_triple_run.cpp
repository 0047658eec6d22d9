#include "rules/arrangement.h"
#include "rules/play_tests.h"
#include "rules/run_from_two.h"

#include <array>

namespace qv::rules {

namespace {

constexpr int kMinTripleRun = 6;
constexpr int kMaxUnits = kMaxSelection / 3;

/// A run without a natural 2, one unit per natural face, jokers completing units and filling a
/// missing face; three jokers left over add a unit above the run, or below it when it reaches the
/// A.
bool arrangeFromTop(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    std::array<RunUnit, kMaxUnits + 1> units{};
    int unitCount = 0;
    int nextJoker = 0;
    auto takeJokers = [&](RunUnit& unit, int count) {
        if (jokerCount - nextJoker < count) {
            return false;
        }
        for (int k = 0; k < count; ++k) {
            unit.add(nextJoker++);
        }
        return true;
    };
    for (int i = jokerCount; i < n; ++unitCount) {
        if (unitCount == kMaxUnits) {
            return false;
        }
        RunUnit& unit = units[static_cast<std::size_t>(unitCount)];
        const int face = faceAt(cards, i);
        unit.face = face;
        // The natural cards of this face, at most three; jokers complete the unit.
        int naturals = 3;
        if (i + 2 > n - 1) {
            naturals = n - i == 2 && faceAt(cards, i + 1) == face ? 2 : 1;
        } else if (faceAt(cards, i + 1) != face) {
            naturals = 1;
        } else if (faceAt(cards, i + 2) != face) {
            naturals = 2;
        } else if (i + 3 < n && faceAt(cards, i + 3) == face) {
            return false;
        }
        for (int k = 0; k < naturals; ++k) {
            unit.add(i + k);
        }
        if (!takeJokers(unit, 3 - naturals)) {
            return false;
        }
        i += naturals;
    }
    std::array<RunUnit, kMaxUnits + 1> run{};
    int runCount = 0;
    auto append = [&](const RunUnit& unit) {
        if (runCount > kMaxUnits) {
            return false;
        }
        run[static_cast<std::size_t>(runCount++)] = unit;
        return true;
    };
    for (int u = 0; u < unitCount; ++u) {
        const RunUnit& unit = units[static_cast<std::size_t>(u)];
        if (!append(unit)) {
            return false;
        }
        if (u + 1 == unitCount) {
            break;
        }
        for (int face = unit.face - 1; face > units[static_cast<std::size_t>(u + 1)].face; --face) {
            RunUnit missing;
            missing.face = face;
            if (!takeJokers(missing, 3) || !append(missing)) {
                return false;
            }
        }
    }
    if (jokerCount - nextJoker == 3) {
        RunUnit extra;
        takeJokers(extra, 3);
        if (runCount == 0 || runCount > kMaxUnits) {
            return false;
        }
        if (run[0].face != kFaceAce) {
            for (int u = runCount; u > 0; --u) {
                run[static_cast<std::size_t>(u)] = run[static_cast<std::size_t>(u - 1)];
            }
            run[0] = extra;
        } else {
            run[static_cast<std::size_t>(runCount)] = extra;
        }
        ++runCount;
    }
    Arrangement arrangement(jokerCount);
    for (int u = 0; u < runCount; ++u) {
        const RunUnit& unit = run[static_cast<std::size_t>(u)];
        for (int k = 0; k < unit.size; ++k) {
            arrangement.add(unit.positions[static_cast<std::size_t>(k)]);
        }
    }
    return arrangement.applyTo(cards);
}

} // namespace

bool IsTripleRun(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    if (n % 3 != 0 || n < kMinTripleRun || n > kMaxSelection ||
        !hasNaturalAfterJokers(n, jokerCount)) {
        return false;
    }
    if (faceAt(cards, jokerCount) == kFaceTwo) {
        return arrangeRunFromTwo(cards, jokerCount, 3, true);
    }
    return arrangeFromTop(cards, jokerCount);
}

} // namespace qv::rules
