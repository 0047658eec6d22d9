#include "card_notation.h"
#include "rules/card_code.h"

#include <gtest/gtest.h>
#include <vector>

namespace qv::rules {
namespace {

using testing::cards;
using testing::notation;

TEST(CardCode, ReadsFaceSuitAndDeckIndex) {
    const CardCode twoOfSpades = 15 * (1 << 24) + 15 * 256 + 8;
    EXPECT_EQ(cardFace(twoOfSpades), kFaceTwo);
    EXPECT_EQ(cardSuit(twoOfSpades), 8);
    EXPECT_EQ(cardDeckIndex(twoOfSpades), 15);
    EXPECT_EQ(picCodeOf(twoOfSpades), 63);
    EXPECT_EQ(makeCard(15, 8, 15), twoOfSpades);
}

TEST(CardCode, IgnoresTheThirdByte) {
    const CardCode card = makeCard(9, 4, 77) | (0xAB << 16);
    EXPECT_EQ(cardFace(card), 9);
    EXPECT_EQ(cardSuit(card), 4);
    EXPECT_EQ(cardDeckIndex(card), 77);
}

TEST(CardCode, HighDeckIndexLeavesFaceAndSuitIntact) {
    const CardCode card = makeCard(12, 2, 200);
    EXPECT_LT(card, 0);
    EXPECT_EQ(cardFace(card), 12);
    EXPECT_EQ(cardSuit(card), 2);
    EXPECT_EQ(cardDeckIndex(card), 200);
}

TEST(PicCode, CoversEverySuitAndTheJokers) {
    struct Case {
        int face;
        int suit;
        PicCode pic;
    };
    for (const Case& c : {Case{3, 1, 3}, Case{15, 1, 15}, Case{3, 2, 19}, Case{15, 2, 31},
                          Case{3, 4, 35}, Case{15, 4, 47}, Case{3, 8, 51}, Case{15, 8, 63},
                          Case{17, 1, 17}, Case{17, 0, 17}, Case{16, 1, 16}, Case{16, 0, 16}}) {
        EXPECT_EQ(picCodeOf(makeCard(c.face, c.suit)), c.pic) << c.face << "/" << c.suit;
    }
}

TEST(IntLog2, CountsHalvings) {
    struct Case {
        int value;
        int log;
    };
    for (const Case& c : {Case{-8, 0}, Case{0, 0}, Case{1, 0}, Case{2, 1}, Case{3, 1}, Case{4, 2},
                          Case{6, 2}, Case{8, 3}, Case{15, 3}}) {
        EXPECT_EQ(IntLog2(c.value), c.log) << c.value;
    }
}

TEST(HandOrder, JokersFirstThenFacesAndSuitsDescending) {
    std::vector<CardCode> hand = cards("2d Sd 2s Bd 3h As 3s");
    sortHandOrder(hand);
    EXPECT_EQ(notation(hand), "Bd Sd 2s 2d As 3s 3h");
}

TEST(JokerCount, CountsTheLeadingJokers) {
    EXPECT_EQ(JokerCount(cards("Bd Sd 2s 2d")), 2);
    EXPECT_EQ(JokerCount(cards("Bs Bh Ss Sh")), 4);
    EXPECT_EQ(JokerCount(cards("2s Bd")), 0);
    EXPECT_EQ(JokerCount(cards("")), 0);
}

} // namespace
} // namespace qv::rules
