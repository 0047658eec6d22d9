#include "hint_text.h"
#include "rules/search_pai.h"

#include <gtest/gtest.h>
#include <ostream>

namespace qv::rules {
namespace {

using testing::countOf;
using testing::rowsOf;

struct SearchCase {
    const char* name;
    const char* hand;
    HintPattern pattern;
    std::vector<std::string> rows;
};

void PrintTo(const SearchCase& c, std::ostream* os) {
    *os << c.name << " [" << c.hand << "]";
}

class SearchPaiTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchPaiTest, ListsTheRowsInOrder) {
    const SearchCase& c = GetParam();
    FaceCount cnt = countOf(c.hand);
    const FaceCount before = cnt;
    HintState hints;
    SearchPai(hints, c.pattern, cnt, {});
    EXPECT_EQ(rowsOf(hints), c.rows);
    EXPECT_EQ(cnt, before);
}

std::string caseName(const ::testing::TestParamInfo<SearchCase>& info) {
    return info.param.name;
}

constexpr HintPattern single(int pmin) {
    return {PlaySingle, 1, 1, 0, 1, pmin, 17};
}
constexpr HintPattern pair(int pmin) {
    return {PlayPair, 2, 2, 0, 1, pmin, 15};
}
constexpr HintPattern triple(int pmin) {
    return {PlayTriple, 3, 3, 0, 1, pmin, 15};
}
constexpr HintPattern tripleWithPair(int pmin) {
    return {PlayTripleWithPair, 5, 3, 2, 1, pmin, 15};
}
constexpr HintPattern bomb(int k, int pmin) {
    return {PlayBomb(k), k, k, 0, 1, pmin, 15};
}
constexpr HintPattern straight(int n, int pmin) {
    return {PlayStraight, n, 1, 0, n, pmin, 14};
}
constexpr HintPattern pairRun(int units, int pmin) {
    return {PlayPairRun, 2 * units, 2, 0, units, pmin, 14};
}
constexpr HintPattern tripleRun(int units, int pmin) {
    return {PlayTripleRun, 3 * units, 3, 0, units, pmin, 14};
}
constexpr HintPattern airplane(int units, int pmin) {
    return {PlayAirplane, 5 * units, 3, 2, units, pmin, 14};
}

const SearchCase kOneFace[] = {
    {"SinglesHeldOnceComeFirstAndGroupsOfFourNever", "5 66 7777", single(3), {"1:5", "1:6"}},
    {"SingleJokerByItsOwnFace", "S", single(15), {"1:S"}},
    {"SinglesFromPmin", "4 55 J 2 B 77", single(6), {"1:J", "1:2", "1:B", "1:7"}},
    {"JokerCompletesASinglePair", "9 S", pair(3), {"2:99"}},
    {"NaturalPairsBeforeCompletedOnes", "5 777 88 3 B", pair(4), {"2:88", "2:55", "2:77"}},
    {"TwoJokersArePairedBelowTheSmallJoker", "S B", pair(16), {"2:BB"}},
    {"OnlyTwoBigJokersBeatASmallJokerPair", "S B", pair(17), {}},
    {"TwoBigJokersAboveEverything", "B B", pair(17), {"2:BB"}},
    {"PairsNeverFromGroupsOfFour", "9999 TT", pair(3), {"2:TT"}},
    {"TriplesNaturalFirst", "44 555 9 S", triple(3), {"3:555", "3:444"}},
    {"TwoJokersCompleteATriple", "6 S B", triple(3), {"3:666"}},
    {"TriplesNeverFromGroupsOfFour", "8888 S", triple(3), {}},
    {"TooFewCardsForTripleWithPair", "555", tripleWithPair(3), {}},
    {"TripleWithTheLowestPair", "99 444 777 J S", tripleWithPair(5), {"14:77799", "14:99944"}},
    {"JokersLeftCompleteThePair", "6 KK S B", tripleWithPair(3), {"14:666KK", "14:KKK66"}},
    {"TripleWithoutPairEndsTheSearch", "6 KK B", tripleWithPair(3), {}},
    {"FiveBombFromThreeAndTwoJokers", "444 S B", bomb(5, 3), {"20:44444"}},
    {"FiveBombNotFromSixNaturals", "777777 S", bomb(5, 3), {}},
    {"BombsByFace", "3 5555 666 S", bomb(4, 4), {"16:5555", "16:6666"}},
};
INSTANTIATE_TEST_SUITE_P(OneFace, SearchPaiTest, ::testing::ValuesIn(kOneFace), caseName);

const SearchCase kRuns[] = {
    {"CleanStraightFirst", "3 4 5 6 7 8 S", straight(6, 3), {"12:345678", "12:456789"}},
    {"JokerFilledWindowsAfterTheClean",
     "3 4 5 7 8 9 T J Q K S",
     straight(6, 3),
     {"12:789TJQ", "12:89TJQK", "12:345678", "12:456789", "12:56789T", "12:6789TJ", "12:9TJQKA"}},
    {"GroupOfFourMakesAWindowDirty",
     "4 5555 6 7 8 9 T J",
     straight(6, 4),
     {"12:6789TJ", "12:456789", "12:56789T"}},
    {"StraightFromTheTwo", "2 3 4 5 6 7", straight(6, 2), {"12:234567"}},
    {"StraightNeverPastTheAce", "9 T J Q K A 2", straight(6, 9), {"12:9TJQKA"}},
    {"PairRuns", "33 44 55 6 S", pairRun(3, 3), {"4:334455", "4:445566"}},
    {"TripleRunWithJokers", "555 66 777 S", tripleRun(2, 5), {"6:555666", "6:666777"}},
    {"AirplaneWithItsPairs", "555 666 99 4 8 S", airplane(2, 3), {"10:5556669944"}},
    {"AirplaneWithJokerPairs", "999 TTT 44 S B", airplane(2, 3), {"10:999TTT44SS"}},
    {"AirplaneFromTheTwoKeepsItsTwos", "222 333 99 7", airplane(2, 2), {}},
    {"AirplaneFromTheTwo", "222 333 99 44 7", airplane(2, 2), {"10:2223334499"}},
    {"AirplaneWithoutPairs", "333 444 555 7", airplane(2, 3), {}},
};
INSTANTIATE_TEST_SUITE_P(Runs, SearchPaiTest, ::testing::ValuesIn(kRuns), caseName);

TEST(SearchPaiLimit, StopsAtThirtyRowsAndAddsNothingAfter) {
    FaceCount cnt = countOf("3 4 5 6 7 8 9 T J Q K A 2 S B 33 44 55 66 77 88 99 TT JJ QQ KK");
    HintState hints;
    SearchPai(hints, single(3), cnt, {});
    SearchPai(hints, pair(3), cnt, {});
    EXPECT_EQ(hints.g_PromptCount, 15 + 14);
    SearchPai(hints, triple(3), cnt, {});
    ASSERT_EQ(hints.g_PromptCount, kSearchRowLimit);
    EXPECT_EQ(testing::rowsOf(hints).back(), "3:333");
    SearchPai(hints, single(3), cnt, {});
    EXPECT_EQ(hints.g_PromptCount, kSearchRowLimit);
}

TEST(SearchPaiCheck, RowsTheCheckRefusesAreNotCounted) {
    FaceCount cnt = countOf("5 6 7 8");
    HintState hints;
    SearchPai(hints, single(3), cnt, [](const HintRow& row) { return row.face(0) % 2 == 0; });
    EXPECT_EQ(testing::rowsOf(hints), (std::vector<std::string>{"1:6", "1:8"}));
}

} // namespace
} // namespace qv::rules
