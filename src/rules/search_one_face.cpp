#include "rules/hint_search.h"

#include <algorithm>
#include <optional>

namespace qv::rules {

namespace {

/// Offers times cards of each face from low to high that fits; false when the list is full.
template <typename Fits>
bool offerEach(HintSearch& search, int low, int high, int times, Fits fits) {
    for (int face = std::max(low, kLowestFace); face <= std::min(high, kFaceBigJoker); ++face) {
        if (fits(search.count(face)) && !search.add(search.row(face, times))) {
            return false;
        }
    }
    return true;
}

void searchSingles(HintSearch& search) {
    const HintPattern& p = search.pattern();
    // A face held once first, then faces held two or three times; four or more are a bomb.
    if (offerEach(search, p.pmin, p.pmax, 1, [](int c) { return c == 1; })) {
        offerEach(search, p.pmin, p.pmax, 1, [](int c) { return c == 2 || c == 3; });
    }
}

void searchPairs(HintSearch& search) {
    const HintPattern& p = search.pattern();
    const int jokers = search.jokers();
    const int high = std::min(p.pmax, kFaceTwo);
    if (!offerEach(search, p.pmin, high, 2, [](int c) { return c == 2; }) ||
        !offerEach(search, p.pmin, high, 2,
                   [jokers](int c) { return (c == 1 || c == 3) && c + jokers >= 2; })) {
        return;
    }
    if ((jokers >= 2 && p.pmin <= kFaceSmallJoker) || search.count(kFaceBigJoker) == 2) {
        search.add(search.row(kFaceBigJoker, 2));
    }
}

void searchTriples(HintSearch& search) {
    const HintPattern& p = search.pattern();
    const int jokers = search.jokers();
    const int high = std::min(p.pmax, kFaceTwo);
    if (offerEach(search, p.pmin, high, 3, [](int c) { return c == 3; })) {
        offerEach(search, p.pmin, high, 3,
                  [jokers](int c) { return (c == 1 || c == 2) && c + jokers >= 3; });
    }
}

/// The pair for a triple of face triple with jokers left: the lowest natural pair, else the
/// lowest single or triple that a joker completes or that gives two of its three.
std::optional<int> choosePair(const HintSearch& search, int triple, int jokers) {
    for (int face = kLowestFace; face <= kFaceTwo; ++face) {
        if (face != triple && search.count(face) == 2) {
            return face;
        }
    }
    for (int face = kLowestFace; face <= kFaceTwo; ++face) {
        const int c = search.count(face);
        if (face != triple && (c == 1 || c == 3) && c + jokers >= 2) {
            return face;
        }
    }
    return std::nullopt;
}

void searchTriplesWithPair(HintSearch& search) {
    const HintPattern& p = search.pattern();
    const int jokers = search.jokers();
    const int low = std::max(p.pmin, kLowestFace);
    const int high = std::min(p.pmax, kFaceTwo);
    // Natural triples first, then triples that jokers complete. A triple without a pair ends the
    // search: every later triple would look for a pair among the same faces.
    for (const bool natural : {true, false}) {
        for (int face = low; face <= high; ++face) {
            const int c = search.count(face);
            const bool fits = natural ? c == 3 : (c == 1 || c == 2) && c + jokers >= 3;
            if (!fits) {
                continue;
            }
            const std::optional<int> pair = choosePair(search, face, jokers - (3 - c));
            if (!pair) {
                return;
            }
            HintRow hint = search.row(face, 3);
            hint.append(*pair, 2);
            if (!search.add(hint)) {
                return;
            }
        }
    }
}

/// base cards of one face, jokers completing them. A face with more natural cards than that is
/// left to the search for the bomb of its own size.
void searchBombs(HintSearch& search) {
    const HintPattern& p = search.pattern();
    if (p.base > kMaxHintFaces) {
        return;
    }
    const int jokers = search.jokers();
    const int base = p.base;
    offerEach(search, p.pmin, std::min(p.pmax, kFaceTwo), base,
              [jokers, base](int c) { return c != 0 && c <= base && c + jokers >= base; });
}

} // namespace

void searchOneFace(HintSearch& search) {
    const HintPattern& p = search.pattern();
    switch (p.base) {
    case 1:
        searchSingles(search);
        break;
    case 2:
        searchPairs(search);
        break;
    case 3:
        if (p.extra == 0) {
            searchTriples(search);
        } else {
            searchTriplesWithPair(search);
        }
        break;
    default:
        searchBombs(search);
        break;
    }
}

} // namespace qv::rules
