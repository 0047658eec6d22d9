#include "rules/follow_pattern.h"

#include "rules/arrangement.h"

namespace qv::rules {

namespace {

constexpr int kHighestSingle = kFaceBigJoker;
constexpr int kHighestGroup = kFaceTwo;
constexpr int kHighestRunFace = kFaceAce;

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
    HintPattern p{pt, n, n, 0, 1, cardFace(cards[0]) + 1, kHighestGroup};
    switch (pt) {
    case PlaySingle:
        p.base = 1;
        p.pmax = kHighestSingle;
        break;
    case PlayPair:
        p.base = 2;
        break;
    case PlayTriple:
        p.base = 3;
        break;
    case PlayTripleWithPair:
        p.base = 3;
        p.extra = 2;
        break;
    case PlayPairRun:
        p.base = 2;
        break;
    case PlayTripleRun:
        p.base = 3;
        break;
    case PlayAirplane:
        p.base = 3;
        p.extra = 2;
        break;
    case PlayStraight:
        p.base = 1;
        break;
    default:
        break;
    }
    p.wsize = n / (p.base + p.extra);
    const bool run =
        pt == PlayPairRun || pt == PlayTripleRun || pt == PlayAirplane || pt == PlayStraight;
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
    p.pmax = kHighestRunFace;
    return p;
}

} // namespace qv::rules
