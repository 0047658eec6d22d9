#include "rules/card_code.h"

#include <algorithm>

namespace qv::rules {

void sortHandOrder(std::span<CardCode> cards) {
    std::stable_sort(cards.begin(), cards.end(), handOrderBefore);
}

int JokerCount(std::span<const CardCode> cards) {
    const auto firstNatural =
        std::find_if(cards.begin(), cards.end(), [](CardCode card) { return !isJoker(card); });
    return static_cast<int>(firstNatural - cards.begin());
}

} // namespace qv::rules
