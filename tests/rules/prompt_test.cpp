#include "card_notation.h"
#include "hint_text.h"
#include "rules/classify_play.h"
#include "rules/follow_pattern.h"
#include "rules/prompt.h"

#include <gtest/gtest.h>
#include <ostream>

namespace qv::rules {
namespace {

using testing::handOf;
using testing::rowsOf;

struct Play {
    PlayType type = PlayNone;
    std::vector<CardCode> cards;
};

/// A play as the recogniser arranges it.
Play playOf(std::string_view faces) {
    Play play{PlayNone, handOf(faces)};
    RulesState state;
    play.type = ClassifyPlay(state, PlayNone, static_cast<int>(play.cards.size()), play.cards);
    return play;
}

std::vector<std::string> follow(std::string_view hand, const Play& last) {
    HintState hints;
    hints.g_PromptCount = 5;
    PromptFollow(hints, handOf(hand), last.type, static_cast<int>(last.cards.size()), last.cards);
    return rowsOf(hints);
}

struct FollowCase {
    const char* name;
    const char* hand;
    const char* last;
    PlayType lastType;
    std::vector<std::string> rows;
};

void PrintTo(const FollowCase& c, std::ostream* os) {
    *os << c.name << " [" << c.hand << "] on [" << c.last << "]";
}

class PromptFollowTest : public ::testing::TestWithParam<FollowCase> {};

TEST_P(PromptFollowTest, ListsTheAnswersInOrder) {
    const FollowCase& c = GetParam();
    const Play last = playOf(c.last);
    ASSERT_EQ(last.type, c.lastType);
    EXPECT_EQ(follow(c.hand, last), c.rows);
}

std::string caseName(const ::testing::TestParamInfo<FollowCase>& info) {
    return info.param.name;
}

const FollowCase kFollowCases[] = {
    {"SingleTen",
     "5 J QQ KKKK S B",
     "T",
     PlaySingle,
     {"1:J", "1:S", "1:B", "1:Q", "16:QQQQ", "16:KKKK", "20:KKKKK", "24:KKKKKK"}},
    {"FourNinesByFourTensAndTheJokers",
     "TTTT SS BB",
     "9999",
     PlayBomb(4),
     {"16:TTTT", "20:TTTTT", "24:TTTTTT", "28:TTTTTTT", "32:TTTTTTTT", "16:BBSS"}},
    {"FourJokersOnlyByLongerBombs", "TTTTT 9999", "SSBB", PlayBomb(4), {"20:TTTTT"}},
    {"NoFourJokersOnAFiveBomb",
     "4444 SS BB",
     "33333",
     PlayBomb(5),
     {"20:44444", "24:444444", "28:4444444", "32:44444444"}},
    {"ThirtyRowsAndTheFourJokers",
     "3 4 5 66 77 88 99 TT JJ QQ KK AA 22 SS BB",
     "3",
     PlaySingle,
     {"1:4",     "1:5",     "1:6",     "1:7",      "1:8",      "1:9",      "1:T",     "1:J",
      "1:Q",     "1:K",     "1:A",     "1:2",      "1:S",      "1:B",      "16:3333", "16:4444",
      "16:5555", "16:6666", "16:7777", "16:8888",  "16:9999",  "16:TTTT",  "16:JJJJ", "16:QQQQ",
      "16:KKKK", "16:AAAA", "16:2222", "20:33333", "20:44444", "20:55555", "16:BBSS"}},
    {"PairsThenJokerPairThenBombs",
     "55 8 99 S B",
     "77",
     PlayPair,
     {"2:99", "2:88", "2:BB", "16:5555", "16:9999"}},
    {"TripleWithPair", "999 44 KK 3", "88833", PlayTripleWithPair, {"14:99944"}},
    {"PairRunFromItsLowEnd", "TT JJ QQ 3", "99 TT JJ", PlayPairRun, {"4:TTJJQQ"}},
    {"StraightAboveTheLowAce",
     "2 3 4 5 6 7 8",
     "A 2 3 4 5 6",
     PlayStraight,
     {"12:234567", "12:345678"}},
    {"StraightAboveTheTwo", "2 3 4 5 6 7 8", "2 3 4 5 6 7", PlayStraight, {"12:345678"}},
    {"AirplaneByItsTriples", "666 777 33 K Q", "555 666 99 88", PlayAirplane, {}},
    {"AirplaneWithPairs", "666 777 33 KK", "555 666 99 88", PlayAirplane, {"10:66677733KK"}},
    {"NoAnswer", "3 4", "B", PlaySingle, {}},
    {"PairRunThatRaisesABombIsOnlyTheBomb", "KK S B 3", "77 66", PlayPairRun, {"16:KKKK"}},
    {"PairRunThatRaisesATripleRunIsLeftOut",
     "55 66 S B",
     "33 44 55",
     PlayPairRun,
     {"16:5555", "16:6666"}},
};
INSTANTIATE_TEST_SUITE_P(Examples, PromptFollowTest, ::testing::ValuesIn(kFollowCases), caseName);

/// Where the answers of a run start, read from its arranged cards.
struct LowEndCase {
    const char* name;
    const char* arranged;
    PlayType type;
    int pmin;
};

void PrintTo(const LowEndCase& c, std::ostream* os) {
    *os << c.name << " [" << c.arranged << "]";
}

class LowEndTest : public ::testing::TestWithParam<LowEndCase> {};

TEST_P(LowEndTest, StartsOneFaceAboveTheLowestUnit) {
    const LowEndCase& c = GetParam();
    const std::vector<CardCode> cards = testing::cards(c.arranged);
    const auto pattern = followPattern(c.type, static_cast<int>(cards.size()), cards);
    ASSERT_TRUE(pattern.has_value());
    EXPECT_EQ(pattern->pmin, c.pmin);
    EXPECT_EQ(pattern->pmax, kFaceAce);
}

std::string lowEndName(const ::testing::TestParamInfo<LowEndCase>& info) {
    return info.param.name;
}

const LowEndCase kLowEnds[] = {
    {"PairRun", "Js Jh Ts Th 9s 9h", PlayPairRun, 10},
    {"StraightEndingInTheAce", "6s 5s 4s 3s 2s As", PlayStraight, 2},
    {"StraightEndingInTheTwo", "7s 6s 5s 4s 3s 2s", PlayStraight, 3},
    {"JokerPairUnderTen", "As Ah Ks Kh Qs Qh Js Jh Ts Th Bd Bd", PlayPairRun, 10},
    {"TwoJokerPairsUnderTen", "As Ah Ks Kh Qs Qh Js Jh Ts Th Bd Bd Sd Sd", PlayPairRun, 9},
    {"JokerUnitsUnderTheAce", "As Ah Bd Sd", PlayPairRun, 14},
    {"JokerUnitUnderTheTwo", "3s 3h 2s 2h Bd Sd", PlayPairRun, 3},
    {"TripleRun", "As Ah Ac Ks Kh Kc", PlayTripleRun, 14},
    {"AirplaneReadsItsTriples", "6s 6h 6c 5s 5h 5c 9s 9h 8s 8h", PlayAirplane, 6},
    {"AirplaneWithAJokerTriple", "7s 7h 7c Bd Bd Sd 5s 5h 4s 4h", PlayAirplane, 7},
    {"StraightEndingInAJoker", "9s 8s 7s 6s 5s Bd", PlayStraight, 5},
};
INSTANTIATE_TEST_SUITE_P(Runs, LowEndTest, ::testing::ValuesIn(kLowEnds), lowEndName);

TEST(FollowPattern, RefusesCountsOutsideAPlay) {
    const std::vector<CardCode> cards = testing::cards("5s 5h");
    EXPECT_FALSE(followPattern(PlayPair, 0, cards));
    EXPECT_FALSE(followPattern(PlayPair, 3, cards));
    const std::vector<CardCode> many(28, makeCard(5, 8));
    EXPECT_FALSE(followPattern(PlayBomb(7), 28, many));
    EXPECT_FALSE(followPattern(PlayStraight, 1, cards));
    EXPECT_TRUE(followPattern(PlayPair, 2, cards));
}

TEST(PromptFollowMalformed, RunWithoutANaturalCardGetsOnlyBombs) {
    const std::vector<CardCode> jokers = testing::cards("Bd Bd Sd Sd Bd Sd");
    HintState hints;
    PromptFollow(hints, handOf("5555 6789T J"), PlayStraight, 6, jokers);
    EXPECT_EQ(rowsOf(hints), (std::vector<std::string>{"16:5555"}));
}

TEST(PromptFollowMalformed, CountsOutsideOneToTwentySevenGetNothing) {
    const std::vector<CardCode> last(30, makeCard(3, 8));
    HintState hints;
    for (const int n : {-1, 0, 28, 30}) {
        hints.g_PromptCount = 3;
        PromptFollow(hints, handOf("5555 SSBB"), PlayBomb(4), n, last);
        EXPECT_EQ(hints.g_PromptCount, 0) << n;
    }
}

struct LeadCase {
    const char* name;
    const char* hand;
    std::vector<std::string> rows;
};

void PrintTo(const LeadCase& c, std::ostream* os) {
    *os << c.name << " [" << c.hand << "]";
}

class PromptLeadTest : public ::testing::TestWithParam<LeadCase> {};

TEST_P(PromptLeadTest, GivesOneHint) {
    const LeadCase& c = GetParam();
    HintState hints;
    hints.g_PromptCount = 4;
    PromptLead(hints, handOf(c.hand));
    EXPECT_EQ(rowsOf(hints), c.rows);
}

std::string leadName(const ::testing::TestParamInfo<LeadCase>& info) {
    return info.param.name;
}

const LeadCase kLeads[] = {
    {"FourJokers", "B B S S", {"16:BBSS"}},
    {"TwoJokers", "B S", {"1:B"}},
    {"ASmallJokerAlone", "S", {"1:B"}},
    {"OneFaceWithAJoker", "7 7 7 S", {"16:7777"}},
    {"OneFaceWithAJokerAsAPair", "7 S", {"2:77"}},
    {"OneFaceAlone", "9 9 9", {"3:999"}},
    {"LowestSingleFirst", "3 3 5 9 9 9", {"1:5"}},
    {"ThenLowestPair", "KK 33 999 B", {"2:33"}},
    {"ThenLowestGroup", "9999 444 B", {"3:444"}},
    {"ThenLowestBomb", "99999 4444 S", {"16:4444"}},
    {"EmptyHand", "", {}},
};
INSTANTIATE_TEST_SUITE_P(Leads, PromptLeadTest, ::testing::ValuesIn(kLeads), leadName);

} // namespace
} // namespace qv::rules
