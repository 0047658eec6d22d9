#include "rules/run_walk.h"

namespace qv::rules {

BottomUpRun::BottomUpRun(std::span<const CardCode> cards, int jokerCount)
    : cards_(cards), jokerCount_(jokerCount) {}

void BottomUpRun::take(RunUnit& unit, int position) {
    used_[static_cast<std::size_t>(position)] = true;
    unit.add(position);
}

bool BottomUpRun::takeJoker(RunUnit& unit) {
    while (nextJoker_ < jokerCount_ && used_[static_cast<std::size_t>(nextJoker_)]) {
        ++nextJoker_;
    }
    if (nextJoker_ >= jokerCount_) {
        return false;
    }
    take(unit, nextJoker_++);
    return true;
}

bool BottomUpRun::takeFace(RunUnit& unit, int face) {
    for (int i = static_cast<int>(cards_.size()) - 1; i >= jokerCount_; --i) {
        if (!used_[static_cast<std::size_t>(i)] &&
            cardFace(cards_[static_cast<std::size_t>(i)]) == face) {
            take(unit, i);
            return true;
        }
    }
    return takeJoker(unit);
}

RunUnit BottomUpRun::rest() const {
    RunUnit unit;
    for (int i = static_cast<int>(cards_.size()) - 1; i >= jokerCount_; --i) {
        if (!used_[static_cast<std::size_t>(i)]) {
            unit.add(i);
        }
    }
    for (int i = 0; i < jokerCount_; ++i) {
        if (!used_[static_cast<std::size_t>(i)]) {
            unit.add(i);
        }
    }
    return unit;
}

bool BottomUpRun::holdsOnly(const RunUnit& unit, int face) const {
    for (int i = 0; i < unit.size; ++i) {
        const int position = unit.positions[static_cast<std::size_t>(i)];
        if (position >= jokerCount_ &&
            cardFace(cards_[static_cast<std::size_t>(position)]) != face) {
            return false;
        }
    }
    return true;
}

bool applyTopDown(std::span<CardCode> cards, int jokerCount, std::span<const RunUnit> bottomUp) {
    Arrangement arrangement(jokerCount);
    for (auto unit = bottomUp.rbegin(); unit != bottomUp.rend(); ++unit) {
        for (int i = 0; i < unit->size; ++i) {
            arrangement.add(unit->positions[static_cast<std::size_t>(i)]);
        }
    }
    return arrangement.applyTo(cards);
}

} // namespace qv::rules
