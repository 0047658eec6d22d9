#include "card_notation.h"
#include "rules/classify_play.h"
#include "selection_checks.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace qv::rules {
namespace {

using testing::cards;
using testing::notation;

struct ClassifyCase {
    const char* name;
    const char* hand;
    PlayType type;
    /// The arranged order; nullptr when the cards must stay as they came.
    const char* arranged = nullptr;
};

void PrintTo(const ClassifyCase& c, std::ostream* os) {
    *os << c.name << " [" << c.hand << "]";
}

class ClassifyPlayTest : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyPlayTest, TypesAndArranges) {
    const ClassifyCase& c = GetParam();
    const std::vector<CardCode> hand = cards(c.hand);
    ASSERT_TRUE(testing::inHandOrder(hand));
    // The caller's array holds 27 cards with zeros after the selection.
    std::vector<CardCode> selection = hand;
    selection.resize(27, 0);
    RulesState state;
    state.CurPlay.fill(-1);
    const int n = static_cast<int>(hand.size());

    EXPECT_EQ(ClassifyPlay(state, PlayNone, n, selection), c.type);

    const std::span<const CardCode> selected = std::span(selection).first(hand.size());
    EXPECT_EQ(notation(selected), c.arranged != nullptr ? c.arranged : c.hand);
    EXPECT_TRUE(testing::samePermutation(hand, selected));
    EXPECT_EQ(state.CurPlay[0], c.type);
    if (c.type != PlayNone) {
        EXPECT_EQ(std::vector<CardCode>(state.CurPlay.begin() + 5, state.CurPlay.begin() + 5 + n),
                  std::vector<CardCode>(selected.begin(), selected.end()));
    }
    EXPECT_EQ(state.CurPlay[static_cast<std::size_t>(5 + n)], -1) << "written past the play";
    for (std::size_t i = hand.size(); i < selection.size(); ++i) {
        EXPECT_EQ(selection[i], 0) << "changed beyond the selection";
    }
}

std::string caseName(const ::testing::TestParamInfo<ClassifyCase>& info) {
    return info.param.name;
}

const ClassifyCase kSmallPlays[] = {
    {"NoCards", "", PlayNone},
    {"OneJokerIsASingle", "Sd", PlaySingle},
    {"NaturalSingle", "7h", PlaySingle},
    {"NaturalPair", "7s 7h", PlayPair},
    {"JokerPairsANaturalCard", "Bd 5s", PlayPair, "5s Bd"},
    {"SmallJokerBeforeBigJoker", "Bd Sd", PlayPair, "Sd Bd"},
    {"TwoBigJokersKeepTheirOrder", "Bs Bh", PlayPair},
    {"TwoFaces", "6s 5s", PlayNone},
    {"NaturalTriple", "5s 5h 5d", PlayTriple},
    {"JokerCompletesATriple", "Bd 5s 5h", PlayTriple, "5s 5h Bd"},
    {"TwoJokersCompleteATriple", "Bd Sd 5s", PlayTriple, "5s Bd Sd"},
    {"ThreeJokersAreNoTriple", "Bd Sh Sd", PlayNone},
    {"TwoFacesOfThree", "6s 5s 5h", PlayNone},
};
INSTANTIATE_TEST_SUITE_P(SmallPlays, ClassifyPlayTest, ::testing::ValuesIn(kSmallPlays), caseName);

const ClassifyCase kDispatch[] = {
    {"FourJokersAreABomb", "Bs Bh Ss Sh", PlayBomb(4)},
    {"TwosWithBigJokers", "Bs Bh 2s 2h", PlayBomb(4), "2s 2h Bs Bh"},
    {"TripleWithPair", "5s 5h 5d 4s 4h", PlayTripleWithPair},
    {"FourCardPairRun", "5s 5h 4s 4h", PlayPairRun},
    {"FourCardsNoPlay", "5s 4s 4h 3s", PlayNone},
    {"JokerPairRunOfFour", "Bs Ss 2s Ad", PlayPairRun, "2s Bs Ad Ss"},
    {"TripleRunBeforePairRun", "Bs Bh 5s 5h 4s 4h", PlayTripleRun, "5s 5h Bs 4s 4h Bh"},
    {"AirplaneBeforePairRun", "Bs Bh 2s 2h 5s 5h 4s 4h 3s 3h", PlayAirplane,
     "5s 5h Bs 4s 4h Bh 2s 2h 3s 3h"},
    {"ThreeJokersWithATriple", "Bs Ss Sh 4s 4h 4d", PlayBomb(6), "4s 4h 4d Bs Ss Sh"},
    {"ThreeJokersWithTwoFaces", "Bs Ss Sh 5s 4s 4h 4d", PlayNone},
    {"FourJokersWithOneCard", "Bs Bh Ss Sh 9s", PlayBomb(5), "9s Bs Bh Ss Sh"},
    {"NineCardTripleRun", "5s 5h 5d 4s 4h 4d 3s 3h 3d", PlayTripleRun},
    {"SixCardPairRun", "5s 5h 4s 4h 3s 3h", PlayPairRun},
    {"Straight", "8s 7s 6s 5s 4s 3s", PlayStraight},
    {"ThirteenCardStraight", "2s As Ks Qs Js Ts 9s 8s 7s 6s 5s 4s 3s", PlayStraight,
     "As Ks Qs Js Ts 9s 8s 7s 6s 5s 4s 3s 2s"},
    {"SevenCardsNoPlay", "9s 9h 8s 8h 7s 7h 5s", PlayNone},
    {"WholeHandNoPlay",
     "Bs Ss 2s 2h As Ah Ks Kh Qs Qh Js Jh Ts Th 9s 9h 8s 8h 7s 7h 6s 6h 5s 5h 4s 4h 3s", PlayNone},
};
INSTANTIATE_TEST_SUITE_P(Dispatch, ClassifyPlayTest, ::testing::ValuesIn(kDispatch), caseName);

const ClassifyCase kBombSizes[] = {
    {"Four", "9s 9h 9c 9d", PlayBomb(4)},
    {"Five", "Bd 9s 9h 9c 9d", PlayBomb(5), "9s 9h 9c 9d Bd"},
    {"Six", "9s 9s 9h 9h 9c 9d", PlayBomb(6)},
    {"Seven", "Bd Bd Sd 9s 9h 9c 9d", PlayBomb(7), "9s 9h 9c 9d Bd Bd Sd"},
    {"Eight", "9s 9s 9h 9h 9c 9c 9d 9d", PlayBomb(8)},
    {"Nine", "Sd 9s 9s 9h 9h 9c 9c 9d 9d", PlayBomb(9), "9s 9s 9h 9h 9c 9c 9d 9d Sd"},
    {"Ten", "Bd Sd 9s 9s 9h 9h 9c 9c 9d 9d", PlayBomb(10), "9s 9s 9h 9h 9c 9c 9d 9d Bd Sd"},
    {"Eleven", "Bd Bd Sd 9s 9s 9h 9h 9c 9c 9d 9d", PlayBomb(11),
     "9s 9s 9h 9h 9c 9c 9d 9d Bd Bd Sd"},
    {"Twelve", "Bd Bd Sd Sd 9s 9s 9h 9h 9c 9c 9d 9d", PlayBomb(12),
     "9s 9s 9h 9h 9c 9c 9d 9d Bd Bd Sd Sd"},
    {"OfTwos", "2s 2h 2c 2d 2d", PlayBomb(5)},
};
INSTANTIATE_TEST_SUITE_P(BombSizes, ClassifyPlayTest, ::testing::ValuesIn(kBombSizes), caseName);

TEST(ClassifyPlayBounds, CountBeyondTheArrayIsNoPlay) {
    std::vector<CardCode> selection = cards("5s 5h");
    RulesState state;
    state.CurPlay[0] = PlayPair;
    EXPECT_EQ(ClassifyPlay(state, PlayNone, 3, selection), PlayNone);
    EXPECT_EQ(ClassifyPlay(state, PlayNone, -1, selection), PlayNone);
    EXPECT_EQ(state.CurPlay[0], PlayNone);
    EXPECT_EQ(notation(selection), "5s 5h");
}

TEST(ClassifyPlayBounds, ZerosCountedInMakeNoPlay) {
    // Two cards read as face 0 would otherwise pair with each other.
    std::vector<CardCode> selection(27, 0);
    RulesState state;
    EXPECT_EQ(ClassifyPlay(state, PlayNone, 2, selection), PlayNone);
    EXPECT_EQ(ClassifyPlay(state, PlayNone, 10, selection), PlayNone);
}

TEST(ClassifyPlayBounds, MoreThanAHandIsNoPlay) {
    std::vector<CardCode> selection(28, makeCard(9, 8));
    RulesState state;
    EXPECT_EQ(ClassifyPlay(state, PlayNone, 28, selection), PlayNone);
}

TEST(ClassifyPlayBounds, PlayToBeatTakesNoPart) {
    for (PlayType lastType : {PlayNone, PlaySingle, PlayStraight, PlayBomb(12)}) {
        std::vector<CardCode> selection = cards("Bd 5s");
        RulesState state;
        EXPECT_EQ(ClassifyPlay(state, lastType, 2, selection), PlayPair);
    }
}

} // namespace
} // namespace qv::rules
