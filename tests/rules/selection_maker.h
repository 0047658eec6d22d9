#pragma once

#include "rules/card_code.h"

#include <random>
#include <vector>

namespace qv::rules::testing {

/// Random selections in hand order from a seeded, shuffled double deck: plain random picks from
/// a dealt hand, and selections shaped after each play type (with random jokers standing in for
/// some of their cards) so that accepted plays of every type turn up often.
class SelectionMaker {
public:
    explicit SelectionMaker(unsigned seed) : rng_(seed) {}

    std::vector<CardCode> next();

private:
    int uniform(int low, int high);
    std::vector<CardCode> fromHand();
    /// Cards of the faces from a freshly shuffled deck, some replaced by jokers.
    std::vector<CardCode> fromFaces(const std::vector<int>& faces);
    /// k faces in a row from A (low), 2, 3, ... K, A (high).
    std::vector<int> consecutive(int k);

    std::mt19937 rng_;
};

} // namespace qv::rules::testing
