#pragma once

#include "rules/card_code.h"
#include "rules/double_deck.h"

#include <algorithm>
#include <random>
#include <vector>

namespace qv::rules {

/// size cards from a shuffled double deck, jokerCount of them jokers, in hand order.
inline std::vector<CardCode> dealtCards(std::mt19937& rng, int size, int jokerCount) {
    std::vector<CardCode> jokers;
    std::vector<CardCode> naturals;
    for (CardCode card : doubleDeck()) {
        (isJoker(card) ? jokers : naturals).push_back(card);
    }
    std::shuffle(jokers.begin(), jokers.end(), rng);
    std::shuffle(naturals.begin(), naturals.end(), rng);
    std::vector<CardCode> cards(jokers.begin(), jokers.begin() + jokerCount);
    cards.insert(cards.end(), naturals.begin(), naturals.begin() + (size - jokerCount));
    sortHandOrder(cards);
    return cards;
}

} // namespace qv::rules
