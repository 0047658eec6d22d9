#include "rules/can_beat.h"

namespace qv::rules {

namespace {

/// The face of the run's lowest unit over cards split into units from the first card on. The
/// last natural card is found from the end; every whole unit after it holds jokers standing for
/// the faces below it. A natural A that ends the run stands below the 2 and counts 1; an A
/// followed by joker units is the top of a run that reaches down past it, and counts 14.
int runKey(std::span<const CardCode> cards, int unitSize) {
    const int n = static_cast<int>(cards.size());
    for (int i = n - 1; i >= 0; --i) {
        const int face = cardFace(cards[static_cast<std::size_t>(i)]);
        if (face >= kFaceSmallJoker) {
            continue;
        }
        const int unitsAfter = (n - 1 - i) / unitSize;
        if (face == kFaceAce && unitsAfter == 0) {
            return 1;
        }
        if (face == kFaceTwo) {
            return 2 - unitsAfter;
        }
        return face - unitsAfter;
    }
    return 0;
}

bool readable(std::span<const CardCode> cards, int count) {
    return count >= 0 && count <= static_cast<int>(cards.size());
}

} // namespace

int PlayKey(PlayType type, std::span<const CardCode> cards) {
    const int n = static_cast<int>(cards.size());
    if (n == 0) {
        return 0;
    }
    switch (type) {
    case PlaySingle:
    case PlayPair:
    case PlayTriple:
    case PlayTripleWithPair:
        return cardFace(cards[0]);
    case PlayPairRun:
        return runKey(cards, 2);
    case PlayTripleRun:
        return runKey(cards, 3);
    case PlayStraight:
        return runKey(cards, 1);
    case PlayAirplane:
        return runKey(cards.first(static_cast<std::size_t>(3 * n / 5)), 3);
    default:
        return isBombType(type) ? cardFace(cards[0]) : 0;
    }
}

bool CanBeat(std::span<const CardCode> cards, int count, PlayType type,
             std::span<const CardCode> lastCards, int lastCount, PlayType lastType) {
    if (lastType == PlayNone) {
        return true;
    }
    if (type != lastType) {
        return isBombType(type) && type > lastType;
    }
    if (count != lastCount || !readable(cards, count) || !readable(lastCards, lastCount)) {
        return false;
    }
    const auto own = cards.first(static_cast<std::size_t>(count));
    const auto last = lastCards.first(static_cast<std::size_t>(lastCount));
    const int ownKey = PlayKey(type, own);
    const int lastKey = PlayKey(lastType, last);
    if (ownKey > lastKey) {
        return true;
    }
    if (count > 0 && cardFace(own[0]) == cardFace(last[0]) && isBombType(lastType)) {
        // Two bombs of one size and face: the suit flags decide, position by position.
        for (int i = 0; i < count; ++i) {
            const int ownSuit = cardSuit(own[static_cast<std::size_t>(i)]);
            const int lastSuit = cardSuit(last[static_cast<std::size_t>(i)]);
            if (ownSuit != lastSuit) {
                return ownSuit > lastSuit;
            }
        }
    }
    return false;
}

} // namespace qv::rules
