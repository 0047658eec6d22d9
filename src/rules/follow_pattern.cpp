#include "rules/follow_pattern.h"

#include "rules/arrangement.h"

namespace qv::rules {

namespace {

/// How each type to beat is answered: its unit, what is attached to a unit, and whether its
/// units run in a row. Any other type is a bomb, answered by bombs of its size.
struct PatternShape {
    PlayType type;
    int base;
    int extra;
    bool run;
};

constexpr PatternShape kShapes[] = {
    {PlaySingle, 1, 0, false},         {PlayPair, 2, 0, false},    {PlayTriple, 3, 0, false},
    {PlayTripleWithPair, 3, 2, false}, {PlayPairRun, 2, 0, true},  {PlayTripleRun, 3, 0, true},
    {PlayAirplane, 3, 2, true},        {PlayStraight, 1, 0, true},
};

/// The lowest start of a run that beats one whose units of width cards stand highest first: one
/// face above its lowest unit. Joker units at the end stand for the faces below the last
/// natural one. An A ending the run stands below the 2, a 2 at the bottom of the 3.
std::optional<int> runLowEnd(std::span<const CardCode> cards, int width, int units) {
    int jokerUnits = 0;
    for (int unit = units - 1; unit >= 0; --unit) {
        const int face = cardFace(cards[static_cast<std::size_t>(unit * width)]);
        if (face >= kFaceSmallJoker) {
            ++jokerUnits;
            continue;
        }
        if (face == kFaceAce && jokerUnits == 0) {
            return kLowTwoSlot;
        }
        if (face == kFaceTwo) {
            return kLowestFace;
        }
        return face - jokerUnits + 1;
    }
    return std::nullopt;
}

} // namespace

std::optional<HintPattern> followPattern(PlayType pt, int n, std::span<const CardCode> cards) {
    if (n < 1 || n > kMaxSelection || n > static_cast<int>(cards.size())) {
        return std::nullopt;
    }
    HintPattern p{pt, n, n, 0, 1, cardFace(cards[0]) + 1, kFaceTwo};
    bool run = false;
    for (const PatternShape& shape : kShapes) {
        if (shape.type == pt) {
            p.base = shape.base;
            p.extra = shape.extra;
            run = shape.run;
        }
    }
    p.wsize = n / (p.base + p.extra);
    if (pt == PlaySingle) {
        p.pmax = kFaceBigJoker;
    }
    if (!run) {
        return p.wsize == 1 ? std::optional(p) : std::nullopt;
    }
    if (p.wsize < 2) {
        return std::nullopt;
    }
    // An airplane's triples stand first, so its units are read with the triples' width.
    const std::optional<int> low = runLowEnd(cards, p.base, p.wsize);
    if (!low) {
        return std::nullopt;
    }
    p.pmin = *low;
    p.pmax = kFaceAce;
    return p;
}

} // namespace qv::rules
