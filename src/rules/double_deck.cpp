#include "rules/double_deck.h"

namespace qv::rules {

std::array<CardCode, kDeckSize> doubleDeck() {
    std::array<CardCode, kDeckSize> deck{};
    int index = 0;
    for (int copy = 0; copy < 2; ++copy) {
        for (int face = kLowestFace; face <= kFaceTwo; ++face) {
            for (int suit : kSuitFlags) {
                deck[static_cast<std::size_t>(index)] = makeCard(face, suit, index);
                ++index;
            }
        }
    }
    for (int face : {kFaceSmallJoker, kFaceSmallJoker, kFaceBigJoker, kFaceBigJoker}) {
        deck[static_cast<std::size_t>(index)] = makeCard(face, 0, index);
        ++index;
    }
    return deck;
}

} // namespace qv::rules
