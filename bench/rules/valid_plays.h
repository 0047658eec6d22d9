#pragma once

#include "rules/card_code.h"

#include <vector>

namespace qv::rules::bench {

/// Up to `count` different accepted plays of `size` cards in hand order, shaped after every play
/// type that has that many cards (singles to triples, bombs, straights, pair runs, triple runs,
/// airplanes, a triple with a pair), drawn from a seeded, shuffled double deck; with jokers each
/// holds one to four of them standing in for natural cards, without none. Empty when no play
/// has that many cards.
std::vector<std::vector<CardCode>> validPlays(int size, bool withJokers, int count);

} // namespace qv::rules::bench
