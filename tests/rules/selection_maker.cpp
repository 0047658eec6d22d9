#include "selection_maker.h"

#include "rules/double_deck.h"

#include <algorithm>

namespace qv::rules::testing {

int SelectionMaker::uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng_);
}

std::vector<CardCode> SelectionMaker::fromHand() {
    auto deck = doubleDeck();
    std::shuffle(deck.begin(), deck.end(), rng_);
    std::vector<CardCode> hand(deck.begin(), deck.begin() + 27);
    std::shuffle(hand.begin(), hand.end(), rng_);
    hand.resize(static_cast<std::size_t>(uniform(1, 27)));
    sortHandOrder(hand);
    return hand;
}

std::vector<CardCode> SelectionMaker::fromFaces(const std::vector<int>& faces) {
    auto deck = doubleDeck();
    std::shuffle(deck.begin(), deck.end(), rng_);
    std::vector<bool> used(deck.size(), false);
    std::vector<CardCode> selection;
    for (int face : faces) {
        for (std::size_t i = 0; i < deck.size(); ++i) {
            if (!used[i] && cardFace(deck[i]) == face) {
                used[i] = true;
                selection.push_back(deck[i]);
                break;
            }
        }
    }
    std::shuffle(selection.begin(), selection.end(), rng_);
    const int jokers = uniform(0, std::min(4, static_cast<int>(selection.size()) - 1));
    int replaced = 0;
    for (std::size_t i = 0; i < deck.size() && replaced < jokers; ++i) {
        if (!used[i] && isJoker(deck[i])) {
            used[i] = true;
            selection[static_cast<std::size_t>(replaced++)] = deck[i];
        }
    }
    sortHandOrder(selection);
    return selection;
}

std::vector<int> SelectionMaker::consecutive(int k) {
    const int start = uniform(0, 14 - k);
    std::vector<int> faces;
    for (int i = start; i < start + k; ++i) {
        faces.push_back(i == 0 ? kFaceAce : i == 1 ? kFaceTwo : i + 1);
    }
    return faces;
}

std::vector<CardCode> SelectionMaker::next() {
    std::vector<int> faces;
    auto repeat = [&](const std::vector<int>& run, int times) {
        for (int face : run) {
            faces.insert(faces.end(), static_cast<std::size_t>(times), face);
        }
    };
    switch (uniform(0, 8)) {
    case 0:
        return fromHand();
    case 1:
        faces.assign(static_cast<std::size_t>(uniform(1, 3)), uniform(3, 17));
        break;
    case 2:
        faces.assign(static_cast<std::size_t>(uniform(4, 8)), uniform(3, 15));
        break;
    case 3:
        repeat(consecutive(uniform(2, 13)), 2);
        break;
    case 4:
        repeat(consecutive(uniform(2, 9)), 3);
        break;
    case 5: {
        const int k = uniform(2, 5);
        repeat(consecutive(k), 3);
        for (int i = 0; i < k; ++i) {
            faces.insert(faces.end(), 2, uniform(3, 15));
        }
        break;
    }
    case 6:
        repeat(consecutive(uniform(6, 13)), 1);
        break;
    case 7:
        faces.assign(3, uniform(3, 15));
        faces.insert(faces.end(), 2, uniform(3, 15));
        break;
    default:
        repeat(consecutive(uniform(2, 6)), uniform(1, 3));
        break;
    }
    return fromFaces(faces);
}

} // namespace qv::rules::testing
