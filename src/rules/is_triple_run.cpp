#include "rules/arrangement.h"
#include "rules/play_tests.h"
#include "rules/run_walk.h"

#include <array>

namespace qv::rules {

namespace {

constexpr int kMinTripleRun = 6;
constexpr int kMaxUnits = kMaxSelection / 3;

int faceAt(std::span<const CardCode> cards, int position) {
    return cardFace(cards[static_cast<std::size_t>(position)]);
}

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
        if (i + 2 > n - 1) {
            if (n - i == 2 && faceAt(cards, i + 1) == face) {
                unit.add(i);
                unit.add(i + 1);
                if (!takeJokers(unit, 1)) {
                    return false;
                }
                i += 2;
            } else {
                unit.add(i);
                if (!takeJokers(unit, 2)) {
                    return false;
                }
                i += 1;
            }
        } else if (faceAt(cards, i + 1) != face) {
            unit.add(i);
            if (!takeJokers(unit, 2)) {
                return false;
            }
            i += 1;
        } else if (faceAt(cards, i + 2) != face) {
            unit.add(i);
            unit.add(i + 1);
            if (!takeJokers(unit, 1)) {
                return false;
            }
            i += 2;
        } else {
            if (i + 3 < n && faceAt(cards, i + 3) == face) {
                return false;
            }
            unit.add(i);
            unit.add(i + 1);
            unit.add(i + 2);
            i += 3;
        }
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

/// A run holding a natural 2, built from the 2s up; natural As stand below the 2s.
bool arrangeFromTwo(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    const int unitCount = n / 3;
    std::array<RunUnit, kMaxUnits + 1> units{};
    BottomUpRun run(cards, jokerCount);
    RunUnit& twos = units[0];
    run.take(twos, jokerCount);
    for (int position = jokerCount + 1; position <= jokerCount + 2; ++position) {
        if (position < n && faceAt(cards, position) == kFaceTwo) {
            run.take(twos, position);
        } else if (!run.takeJoker(twos)) {
            return false;
        }
    }
    for (int face = 3; face <= unitCount; ++face) {
        RunUnit& unit = units[static_cast<std::size_t>(face - 2)];
        for (int k = 0; k < 3; ++k) {
            if (!run.takeFace(unit, face)) {
                return false;
            }
        }
    }
    const RunUnit last = run.rest();
    if (last.size != 3) {
        return false;
    }
    if (run.holdsOnly(last, unitCount + 1)) {
        units[static_cast<std::size_t>(unitCount - 1)] = last;
        return applyTopDown(cards, jokerCount, std::span(units).first(unitCount));
    }
    if (run.holdsOnly(last, kFaceAce)) {
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

bool IsTripleRun(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    if (n % 3 != 0 || n < kMinTripleRun || n > kMaxSelection ||
        !hasNaturalAfterJokers(n, jokerCount)) {
        return false;
    }
    if (faceAt(cards, jokerCount) == kFaceTwo) {
        return arrangeFromTwo(cards, jokerCount);
    }
    return arrangeFromTop(cards, jokerCount);
}

} // namespace qv::rules
