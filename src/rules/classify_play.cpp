#include "rules/classify_play.h"

#include "rules/arrangement.h"
#include "rules/play_tests.h"

#include <algorithm>
#include <utility>

namespace qv::rules {

namespace {

constexpr std::size_t kCurPlayCards = 5;

PlayType classifyPair(std::span<CardCode> cards) {
    if (cardFace(cards[0]) == cardFace(cards[1])) {
        return PlayPair;
    }
    // A joker pairs with any card, the other card then standing first; a small and a big joker
    // stand small first.
    if (isJoker(cards[0])) {
        std::swap(cards[0], cards[1]);
        return PlayPair;
    }
    return PlayNone;
}

/// Three natural cards of one face, two jokers with a natural card, or a joker with a natural
/// pair; three jokers are never a triple.
PlayType classifyTriple(std::span<CardCode> cards) {
    const CardCode c0 = cards[0];
    const CardCode c1 = cards[1];
    const CardCode c2 = cards[2];
    if (cardFace(c2) == cardFace(c0)) {
        return PlayTriple;
    }
    if (!isJoker(c2) && isJoker(c1)) {
        cards[0] = c2;
        cards[1] = c0;
        cards[2] = c1;
        return PlayTriple;
    }
    if (isJoker(c0) && !isJoker(c1) && cardFace(c1) == cardFace(c2)) {
        cards[0] = c1;
        cards[1] = c2;
        cards[2] = c0;
        return PlayTriple;
    }
    return PlayNone;
}

PlayType classifyLonger(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    if (const PlayType bomb = IsBomb(cards, jokerCount); bomb != PlayNone) {
        return bomb;
    }
    if (n == 4) {
        return IsPairRun(cards, jokerCount) ? PlayPairRun : PlayNone;
    }
    if (n == 5) {
        return IsThreeWithPair(cards, jokerCount) ? PlayTripleWithPair : PlayNone;
    }
    if (n % 5 == 0 && IsAirplane(cards, jokerCount)) {
        return PlayAirplane;
    }
    if ((n % 5 == 0 || n % 3 == 0) && IsTripleRun(cards, jokerCount)) {
        return PlayTripleRun;
    }
    if (IsPairRun(cards, jokerCount)) {
        return PlayPairRun;
    }
    if (IsStraight(cards, jokerCount)) {
        return PlayStraight;
    }
    return PlayNone;
}

/// Only faces 3 to 17 are cards; anything else (such as the zeros after a selection counted in)
/// makes no play rather than reaching the face-indexed tables.
bool holdsOnlyCards(std::span<const CardCode> cards) {
    return std::all_of(cards.begin(), cards.end(), [](CardCode card) {
        return cardFace(card) >= kLowestFace && cardFace(card) <= kFaceBigJoker;
    });
}

PlayType classify(std::span<CardCode> cards) {
    if (!holdsOnlyCards(cards)) {
        return PlayNone;
    }
    switch (cards.size()) {
    case 0:
        return PlayNone;
    case 1:
        return PlaySingle;
    case 2:
        return classifyPair(cards);
    case 3:
        return classifyTriple(cards);
    default:
        return classifyLonger(cards, JokerCount(cards));
    }
}

} // namespace

PlayType ClassifyPlay(RulesState& state, PlayType /*lastType*/, int n, std::span<CardCode> cards) {
    PlayType type = PlayNone;
    if (n >= 0 && n <= std::min(kMaxSelection, static_cast<int>(cards.size()))) {
        type = classify(cards.first(static_cast<std::size_t>(n)));
    }
    state.CurPlay[0] = type;
    if (type != PlayNone) {
        std::copy_n(cards.begin(), n, state.CurPlay.begin() + kCurPlayCards);
    }
    return type;
}

} // namespace qv::rules
