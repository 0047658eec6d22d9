#pragma once

#include "rules/card_code.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv::rules::testing {

/// Cards written as face and suit: faces 3-9, T, J, Q, K, A, 2, S (small joker), B (big joker);
/// suits s, h, c, d. "As Bd 5h" is the ace of spades, a big joker with suit flag 1, the 5 of
/// hearts. Each card gets its position in the text as its deck index, so a rearrangement can be
/// checked to keep every card exactly once.
std::vector<CardCode> cards(std::string_view text);

/// The notation of cards, deck indexes left out.
std::string notation(std::span<const CardCode> cards);

} // namespace qv::rules::testing
