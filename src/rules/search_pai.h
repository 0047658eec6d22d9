#pragma once

#include "rules/face_count.h"
#include "rules/hint_list.h"

#include <functional>

namespace qv::rules {

/// One play pattern to search a hand for.
struct HintPattern {
    /// The type written into every row of the search.
    PlayType pt = PlayNone;
    /// Cards of the pattern.
    int n = 0;
    /// Cards of one face per unit: 1 single, 2 pair, 3 triple, k for a bomb of k cards.
    int base = 0;
    /// Cards attached to each unit: 2 (a pair) for the triple with pair and the airplane.
    int extra = 0;
    /// Consecutive units: 1 for everything but runs.
    int wsize = 1;
    /// The lowest and highest face of the key unit; for runs the lowest start and the highest
    /// face the run may reach.
    int pmin = 0;
    int pmax = 0;
};

/// Decides whether a row found by the search goes into the list; an empty check takes every row.
using HintCheck = std::function<bool(const HintRow&)>;

/// Appends to hints every way the counted hand can form the pattern, as rows of faces, and stops
/// when the list holds kSearchRowLimit rows. Never takes a single, a pair or the pair of a triple
/// with pair out of four or more natural cards of one face; runs that need neither jokers nor a
/// broken group of four come before the others. cnt is changed while searching and given back
/// as it came.
void SearchPai(HintState& hints, const HintPattern& pattern, FaceCount& cnt,
               const HintCheck& check = {});

} // namespace qv::rules
