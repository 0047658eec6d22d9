#include "card_notation.h"
#include "rules/play_tests.h"
#include "selection_checks.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace qv::rules {
namespace {

using testing::cards;
using testing::notation;

enum class Pattern { Bomb, ThreeWithPair, Straight, PairRun, TripleRun, Airplane };

struct PatternCase {
    const char* name;
    Pattern pattern;
    const char* hand;
    /// The bomb's type, or 1 for an accepting and 0 for a rejecting boolean test.
    int result;
    /// The arranged order; nullptr when the cards must stay as they came.
    const char* arranged = nullptr;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
    *os << c.name << " [" << c.hand << "]";
}

int run(Pattern pattern, std::span<CardCode> selection, int jokers) {
    switch (pattern) {
    case Pattern::Bomb:
        return IsBomb(selection, jokers);
    case Pattern::ThreeWithPair:
        return IsThreeWithPair(selection, jokers) ? 1 : 0;
    case Pattern::Straight:
        return IsStraight(selection, jokers) ? 1 : 0;
    case Pattern::PairRun:
        return IsPairRun(selection, jokers) ? 1 : 0;
    case Pattern::TripleRun:
        return IsTripleRun(selection, jokers) ? 1 : 0;
    case Pattern::Airplane:
        return IsAirplane(selection, jokers) ? 1 : 0;
    }
    return -1;
}

class PatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternTest, ClassifiesAndArranges) {
    const PatternCase& c = GetParam();
    const std::vector<CardCode> hand = cards(c.hand);
    ASSERT_TRUE(testing::inHandOrder(hand));
    std::vector<CardCode> selection = hand;
    EXPECT_EQ(run(c.pattern, selection, JokerCount(hand)), c.result);
    EXPECT_EQ(notation(selection), c.arranged != nullptr ? c.arranged : c.hand);
    EXPECT_TRUE(testing::samePermutation(hand, selection));
    if (c.result == 0) {
        EXPECT_EQ(selection, hand);
    }
}

std::string caseName(const ::testing::TestParamInfo<PatternCase>& info) {
    return info.param.name;
}

const PatternCase kBombs[] = {
    {"FourJokersKeepTheirOrder", Pattern::Bomb, "Bs Bh Ss Sh", 16},
    {"ThreeJokersAndANaturalCard", Pattern::Bomb, "Bs Bh Ss 9s", 16, "9s Bs Bh Ss"},
    {"FourJokersAndANaturalCard", Pattern::Bomb, "Bs Bh Ss Sh 9s", 20, "9s Bs Bh Ss Sh"},
    {"FourNaturalCards", Pattern::Bomb, "9s 9h 9c 9d", 16},
    {"EightNaturalCardsAndFourJokers", Pattern::Bomb, "Bs Bh Ss Sh 9s 9s 9h 9h 9c 9c 9d 9d", 48,
     "9s 9s 9h 9h 9c 9c 9d 9d Bs Bh Ss Sh"},
    {"TwosWithJokers", Pattern::Bomb, "Bs Bh 2s 2h", 16, "2s 2h Bs Bh"},
    {"TwoNaturalFaces", Pattern::Bomb, "Bs 9s 9h 8s 8h", 0},
    {"ThreeCardsNever", Pattern::Bomb, "9s 9h 9d", 0},
    {"ThreeJokersNever", Pattern::Bomb, "Bs Bh Ss", 0},
};
INSTANTIATE_TEST_SUITE_P(IsBomb, PatternTest, ::testing::ValuesIn(kBombs), caseName);

const PatternCase kThreeWithPair[] = {
    {"NaturalHigherTriple", Pattern::ThreeWithPair, "9s 9h 9d 5s 5h", 1},
    {"NaturalLowerTriple", Pattern::ThreeWithPair, "9s 9h 5s 5h 5d", 1, "5s 5h 5d 9s 9h"},
    {"JokerCompletesPair", Pattern::ThreeWithPair, "Bs 9s 9h 9d 5s", 1, "9s 9h 9d 5s Bs"},
    {"JokerCompletesHigherTriple", Pattern::ThreeWithPair, "Bs 9s 9h 5s 5h", 1, "9s 9h Bs 5s 5h"},
    {"JokerPairsTheHigherSingle", Pattern::ThreeWithPair, "Bs 9s 5s 5h 5d", 1, "5s 5h 5d 9s Bs"},
    {"TwoJokersOneEach", Pattern::ThreeWithPair, "Bs Bh 9s 9h 5s", 1, "9s 9h Bs 5s Bh"},
    {"TwoJokersBothOnTheTriple", Pattern::ThreeWithPair, "Bs Bh 9s 5s 5h", 1, "9s Bs Bh 5s 5h"},
    {"ThreeJokers", Pattern::ThreeWithPair, "Bs Bh Ss 9s 5s", 1, "9s Bs Bh 5s Ss"},
    {"ThreeNaturalFaces", Pattern::ThreeWithPair, "9s 8s 8h 5s 5h", 0},
    {"FourOfAFaceAndOne", Pattern::ThreeWithPair, "9s 9h 9c 9d 5s", 0},
    {"OneAndFourOfAFace", Pattern::ThreeWithPair, "9s 5s 5h 5c 5d", 0},
    {"OneFaceOnly", Pattern::ThreeWithPair, "Bs 9s 9h 9c 9d", 0},
    {"SixCards", Pattern::ThreeWithPair, "9s 9h 9d 5s 5h 5d", 0},
};
INSTANTIATE_TEST_SUITE_P(IsThreeWithPair, PatternTest, ::testing::ValuesIn(kThreeWithPair),
                         caseName);

const PatternCase kStraights[] = {
    {"HighRunUnchanged", Pattern::Straight, "8s 7s 6s 5s 4s 3s", 1},
    {"JokersExtendUpward", Pattern::Straight, "Bs Bh 8s 7s 6s 5s", 1},
    {"JokerBelowWhenTheAceTops", Pattern::Straight, "Bs As Ks Qs Js Ts", 1, "As Ks Qs Js Ts Bs"},
    {"JokerFillsAGap", Pattern::Straight, "Bs 9s 8s 6s 5s 4s", 1, "9s 8s Bs 6s 5s 4s"},
    {"JokerTopsARunFromTheTwo", Pattern::Straight, "Bs 2s 6s 5s 4s 3s", 1, "Bs 6s 5s 4s 3s 2s"},
    {"AceBelowTheTwo", Pattern::Straight, "Bs 2s As 5s 4s 3s", 1, "Bs 5s 4s 3s 2s As"},
    {"TwoAboveTheAceNever", Pattern::Straight, "2s As Ks Qs Js Ts", 0},
    {"LowAceNeedsANaturalTwo", Pattern::Straight, "Bs Bh As 5s 4s 3s", 0},
    {"ThirteenFromTheTwo", Pattern::Straight, "2s As Ks Qs Js Ts 9s 8s 7s 6s 5s 4s 3s", 1,
     "As Ks Qs Js Ts 9s 8s 7s 6s 5s 4s 3s 2s"},
    {"ThirteenWithAJokerAsTheTwo", Pattern::Straight, "Bs As Ks Qs Js Ts 9s 8s 7s 6s 5s 4s 3s", 1,
     "As Ks Qs Js Ts 9s 8s 7s 6s 5s 4s 3s Bs"},
    {"ThirteenWithJokersAsTwoAndAce", Pattern::Straight, "Bs Bh Ks Qs Js Ts 9s 8s 7s 6s 5s 4s 3s",
     1, "Bh Ks Qs Js Ts 9s 8s 7s 6s 5s 4s 3s Bs"},
    {"TwoAces", Pattern::Straight, "As Ah Ks Qs Js Ts", 0},
    {"TwoOfOneFace", Pattern::Straight, "8s 8h 7s 6s 5s 4s", 0},
    {"FiveCards", Pattern::Straight, "7s 6s 5s 4s 3s", 0},
    {"FourteenCards", Pattern::Straight, "Bs 2s As Ks Qs Js Ts 9s 8s 7s 6s 5s 4s 3s", 0},
    {"TooFewJokersForTheGaps", Pattern::Straight, "Bs 9s 8s 5s 4s 3s", 0},
};
INSTANTIATE_TEST_SUITE_P(IsStraight, PatternTest, ::testing::ValuesIn(kStraights), caseName);

const PatternCase kPairRuns[] = {
    {"TwoNaturalPairs", Pattern::PairRun, "5s 5h 4s 4h", 1},
    {"AceAndKing", Pattern::PairRun, "As Ah Ks Kh", 1},
    {"JokerCompletesTheTop", Pattern::PairRun, "Bs 5s 4s 4h", 1, "5s Bs 4s 4h"},
    {"SingleFirstThenTheGap", Pattern::PairRun, "Bs Bh Ss 6s 5s 5h 3s 3h", 1,
     "6s Bs 5s 5h Bh Ss 3s 3h"},
    {"TwoGapsTopDown", Pattern::PairRun, "Bs Bh Ss Sh Js Jh Ts Th 8s 8h 7s 7h 5s 5h", 1,
     "Js Jh Ts Th Bs Bh 8s 8h 7s 7h Ss Sh 5s 5h"},
    {"ExtraJokersRaiseTheRun", Pattern::PairRun, "Bs Bh Ss Sh 5s 5h 4s 4h", 1},
    {"ExtraJokersStopAtTheAce", Pattern::PairRun, "Bs Bh Ss Sh Ks Kh Qs Qh", 1,
     "Bs Bh Ks Kh Qs Qh Ss Sh"},
    {"JokersBelowAnAceRun", Pattern::PairRun, "Bs Bh As Ah Ks Kh Qs Qh", 1,
     "As Ah Ks Kh Qs Qh Bs Bh"},
    {"OneJokerCompletesTwoRaise", Pattern::PairRun, "Bs Bh Ss 5s 5h 4s 4h 3s", 1,
     "Bs Bh 5s 5h 4s 4h 3s Ss"},
    {"ThreeOfAFace", Pattern::PairRun, "5s 5h 5d 4s", 0},
    {"MissingFaceWithoutJokers", Pattern::PairRun, "5s 5h 3s 3h", 0},
    {"AceBelowTheTwo", Pattern::PairRun, "2s 2h As Ah", 1, "2s 2h Ah As"},
    {"ThreeAboveTheTwo", Pattern::PairRun, "2s 2h 3s 3h", 1, "3h 3s 2s 2h"},
    {"AceTwoThree", Pattern::PairRun, "2s 2h As Ah 3s 3h", 1, "3h 3s 2s 2h Ah As"},
    {"NoRunPastTheAce", Pattern::PairRun, "2s 2h As Ah Ks Kh", 0},
    {"LowAceNeedsATwo", Pattern::PairRun, "As Ah 3s 3h", 0},
    {"JokersAsTheTwosOfTwentySix", Pattern::PairRun,
     "Bs Ss As Ah Ks Kh Qs Qh Js Jh Ts Th 9s 9h 8s 8h 7s 7h 6s 6h 5s 5h 4s 4h 3s 3h", 1,
     "Ah As Kh Ks Qh Qs Jh Js Th Ts 9h 9s 8h 8s 7h 7s 6h 6s 5h 5s 4h 4s 3h 3s Bs Ss"},
    {"TwentySixFromTheTwo", Pattern::PairRun,
     "2s 2h As Ah Ks Kh Qs Qh Js Jh Ts Th 9s 9h 8s 8h 7s 7h 6s 6h 5s 5h 4s 4h 3s 3h", 1,
     "Ah As Kh Ks Qh Qs Jh Js Th Ts 9h 9s 8h 8s 7h 7s 6h 6s 5h 5s 4h 4s 3h 3s 2s 2h"},
    {"JokersWithATwoAndAnAce", Pattern::PairRun, "Bs Ss 2s Ad", 1, "2s Bs Ad Ss"},
    {"OddCount", Pattern::PairRun, "Bs 5s 5h 4s 4h", 0},
};
INSTANTIATE_TEST_SUITE_P(IsPairRun, PatternTest, ::testing::ValuesIn(kPairRuns), caseName);

const PatternCase kTripleRuns[] = {
    {"TwoNaturalTriples", Pattern::TripleRun, "5s 5h 5d 4s 4h 4d", 1},
    {"JokerCompletesTheTop", Pattern::TripleRun, "Bs 5s 5h 4s 4h 4d", 1, "5s 5h Bs 4s 4h 4d"},
    {"TwoJokersCompleteASingle", Pattern::TripleRun, "Bs Bh 5s 4s 4h 4d", 1, "5s Bs Bh 4s 4h 4d"},
    {"OneJokerEach", Pattern::TripleRun, "Bs Bh 5s 5h 4s 4h", 1, "5s 5h Bs 4s 4h Bh"},
    {"ThreeJokersFillTheGap", Pattern::TripleRun, "Bs Bh Ss 5s 5h 5d 3s 3h 3d", 1,
     "5s 5h 5d Bs Bh Ss 3s 3h 3d"},
    {"ThreeJokersOnTop", Pattern::TripleRun, "Bs Bh Ss Ks Kh Kd Qs Qh Qd", 1},
    {"ThreeJokersBelowTheAce", Pattern::TripleRun, "Bs Bh Ss As Ah Ad Ks Kh Kd", 1,
     "As Ah Ad Ks Kh Kd Bs Bh Ss"},
    {"SingleTakesTheFirstJoker", Pattern::TripleRun, "Bs Bh Ss Sh Ks Kh Qs Qh Qd", 1,
     "Bh Ss Sh Ks Kh Bs Qs Qh Qd"},
    {"EightCards", Pattern::TripleRun, "5s 5h 5c 5d 4s 4h 4d 3s", 0},
    {"FourOfAFace", Pattern::TripleRun, "5s 5h 5c 5d 4s 4h 4d 3s 3h", 0},
    {"TenCards", Pattern::TripleRun, "Bs Bh Ss Sh 5s 5h 5d 4s 4h 4d", 0},
    {"FromTheTwo", Pattern::TripleRun, "2s 2h 2d 4s 4h 4d 3s 3h 3d", 1,
     "4d 4h 4s 3d 3h 3s 2s 2h 2d"},
    {"AceBelowTheTwo", Pattern::TripleRun, "2s 2h 2d As Ah Ad 3s 3h 3d", 1,
     "3d 3h 3s 2s 2h 2d Ad Ah As"},
    {"TwosAndAces", Pattern::TripleRun, "2s 2h 2d As Ah Ad", 1, "2s 2h 2d Ad Ah As"},
    {"JokersTakeTheMissingTwos", Pattern::TripleRun, "Bs Bh Ss Sh 2s 3s", 1, "3s Ss Sh 2s Bs Bh"},
    {"TwoAndAQueen", Pattern::TripleRun, "Bs Bh Ss Sh 2s Qs", 0},
    {"FourTwos", Pattern::TripleRun, "2s 2h 2c 2d 3s 3h", 0},
    {"GapTooWide", Pattern::TripleRun, "Bs Bh Ss Sh 7s 7h 4s 4h 4d", 0},
};
INSTANTIATE_TEST_SUITE_P(IsTripleRun, PatternTest, ::testing::ValuesIn(kTripleRuns), caseName);

const PatternCase kAirplanes[] = {
    {"TriplesThenPairs", Pattern::Airplane, "9s 9h 8s 8h 5s 5h 5d 4s 4h 4d", 1,
     "5s 5h 5d 4s 4h 4d 9s 9h 8s 8h"},
    {"PairsNeedNotBeConsecutive", Pattern::Airplane, "Ks Kh 9s 9h 5s 5h 5d 4s 4h 4d", 1,
     "5s 5h 5d 4s 4h 4d Ks Kh 9s 9h"},
    {"PairsAboveAndBelow", Pattern::Airplane, "9s 9h 5s 5h 5d 4s 4h 4d 3s 3h", 1,
     "5s 5h 5d 4s 4h 4d 9s 9h 3s 3h"},
    {"FourOfAFaceMakeTwoPairs", Pattern::Airplane, "9s 9h 9c 9d 5s 5h 5d 4s 4h 4d", 1,
     "5s 5h 5d 4s 4h 4d 9s 9h 9c 9d"},
    {"FourThreesAsPairs", Pattern::Airplane, "5s 5h 5d 4s 4h 4d 3s 3h 3c 3d", 1},
    {"JokerPairLast", Pattern::Airplane, "Bs Bh 8s 8h 5s 5h 5d 4s 4h 4d", 1,
     "5s 5h 5d 4s 4h 4d 8s 8h Bs Bh"},
    {"JokersCompleteATriple", Pattern::Airplane, "Bs Bh 9s 9h 8s 8h 5s 4s 4h 4d", 1,
     "5s Bs Bh 4s 4h 4d 9s 9h 8s 8h"},
    {"HighestRunBreaksATriple", Pattern::Airplane, "Bs Bh Ss Sh 5s 5h 5d 4s 4h 4d", 1,
     "Bs Bh Ss 5s 5h 5d 4s 4h 4d Sh"},
    {"AceBelowTheTwo", Pattern::Airplane, "2s 2h 2d As Ah Ad 5s 5h 4s 4h", 1,
     "2s 2h 2d As Ah Ad 5s 5h 4s 4h"},
    {"FromTheTwo", Pattern::Airplane, "2s 2h 2d 5s 5h 4s 4h 3s 3h 3d", 1,
     "3s 3h 3d 2s 2h 2d 5s 5h 4s 4h"},
    {"AceAboveJokerKings", Pattern::Airplane, "Bs Bh Ss Sh 2s 2h 2d As Ah Ad", 1,
     "As Ah Ad Bs Bh Ss 2s 2h 2d Sh"},
    {"FourTwosTwoAces", Pattern::Airplane, "2s 2h 2c 2d As Ah 5s 5h 4s 4h", 0},
    {"PairsFromTheTwoDown", Pattern::Airplane, "2s 2h 5s 5h 5d 4s 4h 4d 3s 3h", 1,
     "5s 5h 5d 4s 4h 4d 2s 2h 3s 3h"},
    {"FifteenCards", Pattern::Airplane, "As Ah Ad Ks Kh Kd Qs Qh Qd 5s 5h 4s 4h 3s 3h", 1},
    {"TwentyCards", Pattern::Airplane,
     "Ks Kh Qs Qh 9s 9h 9d 8s 8h 8d 7s 7h 7d 6s 6h 6d 4s 4h 3s 3h", 1,
     "9s 9h 9d 8s 8h 8d 7s 7h 7d 6s 6h 6d Ks Kh Qs Qh 4s 4h 3s 3h"},
    {"TwentyFiveCards", Pattern::Airplane,
     "Ks Kh Qs Qh Ts Th Td 9s 9h 9d 8s 8h 8d 7s 7h 7d 6s 6h 6d 5s 5h 4s 4h 3s 3h", 1,
     "Ts Th Td 9s 9h 9d 8s 8h 8d 7s 7h 7d 6s 6h 6d Ks Kh Qs Qh 5s 5h 4s 4h 3s 3h"},
    {"MissingTriple", Pattern::Airplane, "9s 9h 8s 8h 5s 5h 5d 3s 3h 3d", 0},
    {"OneJokerShortOfTheFours", Pattern::Airplane, "Bs 9s 9h 8s 5s 5h 5d 3s 3h 3d", 0},
    {"NineCards", Pattern::Airplane, "9s 9h 5s 5h 5d 4s 4h 4d 3s", 0},
};
INSTANTIATE_TEST_SUITE_P(IsAirplane, PatternTest, ::testing::ValuesIn(kAirplanes), caseName);

} // namespace
} // namespace qv::rules
