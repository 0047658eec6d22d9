#include "computer_player.h"

#include <gtest/gtest.h>
#include <ostream>

namespace qv::tools::table {
namespace {

using rules::makeCard;

/// A hand in hand order from (face, suit flag) pairs; deck indexes count up.
std::vector<CardCode> handOf(std::initializer_list<std::pair<int, int>> cards) {
    std::vector<CardCode> hand;
    int index = 0;
    for (const auto& [face, suit] : cards) {
        hand.push_back(makeCard(face, suit, index++));
    }
    rules::sortHandOrder(hand);
    return hand;
}

std::vector<int> faces(const Play& play) {
    std::vector<int> result;
    for (const CardCode card : play.cards) {
        result.push_back(rules::cardFace(card));
    }
    return result;
}

const std::vector<CardCode> kHand =
    handOf({{4, 1}, {4, 2}, {9, 4}, {11, 8}, {11, 1}, {13, 2}, {13, 4}, {13, 8}, {17, 0}});

TEST(ComputerPlayerTest, TheLeadIsEveryCardOfTheLowestFace) {
    const Play lead = chooseLead(kHand);
    EXPECT_EQ(lead.type, rules::PlayPair);
    EXPECT_EQ(faces(lead), (std::vector<int>{4, 4}));
    EXPECT_EQ(faces(chooseLead(handOf({{17, 0}, {16, 0}}))), (std::vector<int>{16}));
}

struct FollowCase {
    const char* name;
    std::vector<CardCode> toBeat;
    std::vector<int> answer;
    friend void PrintTo(const FollowCase& c, std::ostream* os) { *os << c.name; }
};

class FollowTest : public testing::TestWithParam<FollowCase> {};

TEST_P(FollowTest, TheCheapestPlayThatBeatsOrAPass) {
    const auto play = chooseFollow(kHand, classify(GetParam().toBeat));
    if (GetParam().answer.empty()) {
        EXPECT_FALSE(play);
    } else {
        ASSERT_TRUE(play);
        EXPECT_EQ(faces(*play), GetParam().answer);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FollowTest,
    testing::Values(
        FollowCase{"single", {makeCard(5, 1)}, {9}},
        FollowCase{"single_by_joker", {makeCard(15, 1)}, {17}},
        FollowCase{"pair", {makeCard(6, 1), makeCard(6, 2)}, {11, 11}},
        FollowCase{"triple", {makeCard(12, 1), makeCard(12, 2), makeCard(12, 4)}, {13, 13, 13}},
        FollowCase{"nothing_higher", {makeCard(14, 1), makeCard(14, 2)}, {}}),
    [](const auto& param) { return std::string(param.param.name); });

// Four fives answer a bomb of four threes but are kept back from a single.
TEST(ComputerPlayerTest, ABombOnlyAnswersABomb) {
    const auto fives = handOf({{5, 1}, {5, 2}, {5, 4}, {5, 8}});
    const std::vector<CardCode> threes{makeCard(3, 8), makeCard(3, 4), makeCard(3, 2),
                                       makeCard(3, 1)};
    const auto answer = chooseFollow(fives, classify(threes));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->type, rules::PlayBomb(4));
    EXPECT_FALSE(chooseFollow(fives, classify({makeCard(14, 1)})));
}

TEST(ComputerPlayerTest, ATimeOutLeadsTheLowestCardAndPassesOtherwise) {
    const auto lead = timeoutMove(kHand, true);
    ASSERT_TRUE(lead);
    EXPECT_EQ(lead->cards, std::vector<CardCode>{kHand.back()});
    EXPECT_FALSE(timeoutMove(kHand, false));
}

TEST(ComputerPlayerTest, TheCallNamesALowCardHeldOnce) {
    EXPECT_EQ(chooseCall(kHand), makeCard(4, 1));
    EXPECT_EQ(chooseCall(handOf({{3, 1}, {3, 1}, {5, 2}})), makeCard(5, 2));
    EXPECT_EQ(chooseCall(handOf({{13, 1}})), makeCard(3, 1));
}

} // namespace
} // namespace qv::tools::table
