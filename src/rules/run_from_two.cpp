#include "rules/run_from_two.h"

#include "rules/arrangement.h"

#include <optional>

namespace qv::rules {

namespace {

constexpr int kMaxUnits = kMaxSelection / 2;

/// The cards of a selection handed out to the units of a run, each once.
class BottomUpRun {
public:
    BottomUpRun(std::span<const CardCode> cards, int jokerCount)
        : cards_(cards), jokerCount_(jokerCount) {}

    void take(RunUnit& unit, int position) {
        used_[static_cast<std::size_t>(position)] = true;
        unit.add(position);
    }

    /// The next joker; false when none is left.
    bool takeJoker(RunUnit& unit) {
        while (nextJoker_ < jokerCount_ && used_[static_cast<std::size_t>(nextJoker_)]) {
            ++nextJoker_;
        }
        if (nextJoker_ >= jokerCount_) {
            return false;
        }
        take(unit, nextJoker_++);
        return true;
    }

    /// The natural card of the face that stands last among those not yet used, else the next
    /// joker; false when neither is left.
    bool takeFace(RunUnit& unit, int face) {
        for (int i = static_cast<int>(cards_.size()) - 1; i >= jokerCount_; --i) {
            if (!used_[static_cast<std::size_t>(i)] &&
                cardFace(cards_[static_cast<std::size_t>(i)]) == face) {
                take(unit, i);
                return true;
            }
        }
        return takeJoker(unit);
    }

    /// The position itself when it holds a natural card of the face, else the next joker.
    bool takeAt(RunUnit& unit, int position, int face) {
        if (position < static_cast<int>(cards_.size()) && position >= jokerCount_ &&
            cardFace(cards_[static_cast<std::size_t>(position)]) == face) {
            take(unit, position);
            return true;
        }
        return takeJoker(unit);
    }

    /// The positions not yet used, natural cards from the last-standing one back, then jokers in
    /// their order; nothing when more are left than a unit holds.
    std::optional<RunUnit> rest() const {
        RunUnit unit;
        const int n = static_cast<int>(cards_.size());
        for (int i = n - 1; i >= 0; --i) {
            // Natural cards from the end, then the jokers from the first.
            const int position = i >= jokerCount_ ? i : jokerCount_ - 1 - i;
            if (used_[static_cast<std::size_t>(position)]) {
                continue;
            }
            if (unit.size == static_cast<int>(unit.positions.size())) {
                return std::nullopt;
            }
            unit.add(position);
        }
        return unit;
    }

    /// True when every card of the unit is a joker or a natural card of the face.
    bool holdsOnly(const RunUnit& unit, int face) const {
        for (int i = 0; i < unit.size; ++i) {
            const int position = unit.positions[static_cast<std::size_t>(i)];
            if (position >= jokerCount_ &&
                cardFace(cards_[static_cast<std::size_t>(position)]) != face) {
                return false;
            }
        }
        return true;
    }

private:
    std::span<const CardCode> cards_;
    int jokerCount_;
    int nextJoker_ = 0;
    std::array<bool, kMaxSelection> used_{};
};

} // namespace

bool arrangeRunFromTwo(std::span<CardCode> cards, int jokerCount, int unitSize,
                       bool aceMayStandBelow) {
    const int n = static_cast<int>(cards.size());
    const int unitCount = n / unitSize;
    if (unitCount < 2 || unitCount > kMaxUnits || n > kMaxSelection) {
        return false;
    }
    BottomUpRun run(cards, jokerCount);
    // Bottom up; one spare place in front for As below the 2s.
    std::array<RunUnit, kMaxUnits + 1> units{};
    RunUnit& twos = units[1];
    for (int k = 0; k < unitSize; ++k) {
        if (!run.takeAt(twos, jokerCount + k, kFaceTwo)) {
            return false;
        }
    }
    for (int face = 3; face <= unitCount; ++face) {
        RunUnit& unit = units[static_cast<std::size_t>(face - 1)];
        for (int k = 0; k < unitSize; ++k) {
            if (!run.takeFace(unit, face)) {
                return false;
            }
        }
    }
    const std::optional<RunUnit> last = run.rest();
    if (!last || last->size != unitSize) {
        return false;
    }
    int first = 1;
    if (run.holdsOnly(*last, unitCount + 1)) {
        units[static_cast<std::size_t>(unitCount)] = *last;
    } else if (aceMayStandBelow && run.holdsOnly(*last, kFaceAce)) {
        units[0] = *last;
        first = 0;
    } else {
        return false;
    }
    Arrangement arrangement(jokerCount);
    for (int u = first + unitCount - 1; u >= first; --u) {
        const RunUnit& unit = units[static_cast<std::size_t>(u)];
        for (int k = 0; k < unit.size; ++k) {
            arrangement.add(unit.positions[static_cast<std::size_t>(k)]);
        }
    }
    return arrangement.applyTo(cards);
}

} // namespace qv::rules
