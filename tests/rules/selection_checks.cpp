#include "selection_checks.h"

#include "card_notation.h"

#include <algorithm>
#include <vector>

namespace qv::rules::testing {

::testing::AssertionResult samePermutation(std::span<const CardCode> before,
                                           std::span<const CardCode> after) {
    std::vector<CardCode> a(before.begin(), before.end());
    std::vector<CardCode> b(after.begin(), after.end());
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    if (a == b) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << notation(after) << " is no rearrangement of " << notation(before);
}

::testing::AssertionResult inHandOrder(std::span<const CardCode> cards) {
    for (std::size_t i = 1; i < cards.size(); ++i) {
        if (handOrderBefore(cards[i], cards[i - 1])) {
            return ::testing::AssertionFailure() << notation(cards) << " is not in hand order";
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace qv::rules::testing
