#pragma once

#include "rules/card_code.h"

#include <array>

namespace qv::rules {

inline constexpr int kDeckSize = 108;

/// The double deck: the faces 3 to 2 in four suits twice over, then two small and two big jokers
/// (suit flag 0), each card's position as its deck index.
std::array<CardCode, kDeckSize> doubleDeck();

} // namespace qv::rules
