#include "rules/arrangement.h"
#include "rules/play_tests.h"

#include <array>

namespace qv::rules {

namespace {

/// The arranged order of a triple with a pair by the joker count and the sizes of the higher
/// face's group (a) and the lower face's (b). Positions: jokers 0 .. j - 1, then group a, then b.
/// The higher face is the triple whenever it can reach three and still leave the lower face a
/// natural card for the pair.
struct ThreeWithPairShape {
    int jokers;
    int a;
    int b;
    std::array<int, 5> order;
};

constexpr ThreeWithPairShape kShapes[] = {
    {0, 3, 2, {0, 1, 2, 3, 4}}, {0, 2, 3, {2, 3, 4, 0, 1}}, {1, 3, 1, {1, 2, 3, 4, 0}},
    {1, 2, 2, {1, 2, 0, 3, 4}}, {1, 1, 3, {2, 3, 4, 1, 0}}, {2, 2, 1, {2, 3, 0, 4, 1}},
    {2, 1, 2, {2, 0, 1, 3, 4}}, {3, 1, 1, {3, 0, 1, 4, 2}},
};

int sameFaceRun(std::span<const CardCode> cards, int from) {
    const int n = static_cast<int>(cards.size());
    int end = from + 1;
    while (end < n && cardFace(cards[static_cast<std::size_t>(end)]) ==
                          cardFace(cards[static_cast<std::size_t>(from)])) {
        ++end;
    }
    return end - from;
}

} // namespace

bool IsThreeWithPair(std::span<CardCode> cards, int jokerCount) {
    const int n = static_cast<int>(cards.size());
    if (n != 5 || !hasNaturalAfterJokers(n, jokerCount)) {
        return false;
    }
    const int a = sameFaceRun(cards, jokerCount);
    if (jokerCount + a >= n) {
        return false;
    }
    const int b = sameFaceRun(cards, jokerCount + a);
    if (jokerCount + a + b != n) {
        return false;
    }
    for (const ThreeWithPairShape& shape : kShapes) {
        if (shape.jokers == jokerCount && shape.a == a && shape.b == b) {
            Arrangement arrangement(jokerCount);
            for (int position : shape.order) {
                arrangement.add(position);
            }
            return arrangement.applyTo(cards);
        }
    }
    return false;
}

} // namespace qv::rules
