#pragma once

#include "rules/card_code.h"

#include <gtest/gtest.h>
#include <span>

namespace qv::rules::testing {

/// Whether after holds exactly the cards of before, deck indexes included, in any order.
::testing::AssertionResult samePermutation(std::span<const CardCode> before,
                                           std::span<const CardCode> after);

/// Whether the cards stand in hand order.
::testing::AssertionResult inHandOrder(std::span<const CardCode> cards);

} // namespace qv::rules::testing
