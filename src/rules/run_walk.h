#pragma once

#include "rules/arrangement.h"
#include "rules/card_code.h"

#include <array>
#include <span>

namespace qv::rules {

/// The run from the 2 of the pair and triple runs builds its units from the bottom up, taking
/// for each face the natural cards that stand last in the selection first.
class BottomUpRun {
public:
    BottomUpRun(std::span<const CardCode> cards, int jokerCount);

    /// The natural card of the face that stands last among those not yet used, else the next
    /// joker; false when neither is left.
    bool takeFace(RunUnit& unit, int face);
    /// The next joker; false when none is left.
    bool takeJoker(RunUnit& unit);
    /// Marks a position as used and adds it to the unit.
    void take(RunUnit& unit, int position);
    /// The positions not yet used: natural cards from the last-standing one back, then jokers in
    /// their order.
    RunUnit rest() const;
    /// True when every card of the unit is a joker or a natural card of the face.
    bool holdsOnly(const RunUnit& unit, int face) const;

private:
    std::span<const CardCode> cards_;
    int jokerCount_;
    int nextJoker_ = 0;
    std::array<bool, kMaxSelection> used_{};
};

/// Writes the units from the top down: the list built from the bottom up, reversed.
bool applyTopDown(std::span<CardCode> cards, int jokerCount, std::span<const RunUnit> bottomUp);

} // namespace qv::rules
