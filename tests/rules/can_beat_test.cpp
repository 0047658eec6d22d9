#include "card_notation.h"
#include "rules/can_beat.h"
#include "rules/classify_play.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace qv::rules {
namespace {

using testing::cards;

/// A play as the player's own play leaves it: classified and in arranged order.
struct Play {
    std::vector<CardCode> cards;
    PlayType type;
};

Play classified(const char* hand) {
    Play play{cards(hand), PlayNone};
    RulesState state;
    play.type = ClassifyPlay(state, PlayNone, static_cast<int>(play.cards.size()), play.cards);
    return play;
}

/// The play to beat keeps its cards without deck index.
std::vector<CardCode> withoutDeckIndex(const std::vector<CardCode>& played) {
    std::vector<CardCode> stored;
    for (CardCode card : played) {
        stored.push_back(cardFace(card) * 256 + cardSuit(card));
    }
    return stored;
}

bool beats(const Play& own, const Play& last) {
    return CanBeat(own.cards, static_cast<int>(own.cards.size()), own.type,
                   withoutDeckIndex(last.cards), static_cast<int>(last.cards.size()), last.type);
}

struct BeatCase {
    const char* name;
    const char* own;
    const char* last;
    bool beats;
};

void PrintTo(const BeatCase& c, std::ostream* os) {
    *os << c.name << " [" << c.own << "] on [" << c.last << "]";
}

class CanBeatTest : public ::testing::TestWithParam<BeatCase> {};

TEST_P(CanBeatTest, Decides) {
    const BeatCase& c = GetParam();
    const Play own = classified(c.own);
    const Play last = classified(c.last);
    ASSERT_NE(own.type, PlayNone);
    ASSERT_NE(last.type, PlayNone);
    EXPECT_EQ(beats(own, last), c.beats);
}

std::string caseName(const ::testing::TestParamInfo<BeatCase>& info) {
    return info.param.name;
}

const BeatCase kBeats[] = {
    {"HigherSingle", "6s", "5s", true},
    {"EqualSingle", "5s", "5h", false},
    {"SmallJokerOverTwo", "Sd", "2s", true},
    {"BigJokerOverSmallJoker", "Bd", "Sd", true},
    {"MixedJokerPairUnderBigJokers", "Bd Sd", "Bs Bh", false},
    {"MixedJokerPairOverTwos", "Bd Sd", "2s 2h", true},
    {"JokerPairEqualsNaturalPair", "Bd 5s", "5h 5d", false},
    {"NaturalPairEqualsJokerPair", "5h 5d", "Bd 5s", false},
    {"HighPairRunOverLowAce", "As Ah Ks Kh", "2s 2h As Ah", true},
    {"ThreeTwoOverTwoAce", "2s 2h 3s 3h", "2s 2h As Ah", true},
    {"AceTwoThreeUnderAceKingQueen", "2s 2h As Ah 3s 3h", "As Ah Ks Kh Qs Qh", false},
    {"StraightFromTheTwoOverLowAce", "2s 7s 6s 5s 4s 3s", "2s As 6s 5s 4s 3s", true},
    {"TriplesThreeTwoOverTwoAce", "2s 2h 2d 3s 3h 3d", "2s 2h 2d As Ah Ad", true},
    {"StraightsOfOtherLengths", "Ks Qs Js Ts 9s 8s", "9s 8s 7s 6s 5s 4s 3s", false},
    {"FiveCardBombOverFourJokers", "Bd 3s 3h 3c 3d", "Bs Bh Ss Sh", true},
    {"FourJokersOverFourTwos", "Bs Bh Ss Sh", "2s 2h 2c 2d", true},
    {"FourCardBombUnderFiveCardBomb", "2s 2h 2c 2d", "3s 3h 3c 3d 3d", false},
    {"RunNeverBeatsABomb", "As Ah Ks Kh Qs Qh Js Jh Ts Th 9s 9h 8s 8h", "3s 3h 3c 3d", false},
    {"BombBeatsARun", "3s 3h 3c 3d", "As Ah Ks Kh Qs Qh Js Jh Ts Th 9s 9h 8s 8h", true},
    {"EqualBombHigherSuits", "5s 5s 5h 5c", "5s 5h 5h 5c", true},
    {"EqualBombLowerSuits", "5s 5h 5h 5c", "5s 5s 5h 5c", false},
    {"EqualBombSameSuits", "5s 5s 5h 5c", "5s 5s 5h 5c", false},
    {"SameAirplane", "9s 9h 8s 8h 5s 5h 5d 4s 4h 4d", "Ks Kh 9s 9h 5s 5h 5d 4s 4h 4d", false},
    {"HigherAirplane", "9s 9h 8s 8h 6s 6h 6d 5s 5h 5d", "Ks Kh 9s 9h 5s 5h 5d 4s 4h 4d", true},
    {"AirplaneOfOtherLength", "As Ah Ad Ks Kh Kd Qs Qh Qd 5s 5h 4s 4h 3s 3h",
     "9s 9h 8s 8h 5s 5h 5d 4s 4h 4d", false},
    {"AceKingAirplaneWithJokerKings", "Bs Bh Ss Sh 2s 2h 2d As Ah Ad",
     "Ks Kh 9s 9h 6s 6h 6d 5s 5h 5d", true},
    {"LowAceAirplaneUnderLowThree", "2s 2h 2d As Ah Ad 5s 5h 4s 4h",
     "2s 2h 2d 5s 5h 4s 4h 3s 3h 3d", false},
    {"TripleWithPairByTriple", "9s 9h 9d 3s 3h", "As Ah 8s 8h 8d", true},
};
INSTANTIATE_TEST_SUITE_P(CanBeat, CanBeatTest, ::testing::ValuesIn(kBeats), caseName);

TEST(CanBeat, AnythingLeadsOnNothingToBeat) {
    for (const char* hand : {"5s", "Bd Sd", "Bs Bh Ss Sh", "8s 7s 6s 5s 4s 3s"}) {
        const Play own = classified(hand);
        EXPECT_TRUE(
            CanBeat(own.cards, static_cast<int>(own.cards.size()), own.type, {}, 0, PlayNone))
            << hand;
    }
}

TEST(CanBeat, CountsBeyondTheCardsNeverBeat) {
    const Play own = classified("6s");
    const std::vector<CardCode> last = cards("5s");
    EXPECT_FALSE(CanBeat(own.cards, 1, PlaySingle, last, 3, PlaySingle));
    EXPECT_FALSE(CanBeat(own.cards, 3, PlaySingle, last, 3, PlaySingle));
}

struct KeyCase {
    const char* name;
    const char* hand;
    int key;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name << " [" << c.hand << "]";
}

class PlayKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(PlayKeyTest, ReadsTheArrangement) {
    const Play play = classified(GetParam().hand);
    EXPECT_EQ(PlayKey(play.type, play.cards), GetParam().key);
}

std::string keyName(const ::testing::TestParamInfo<KeyCase>& info) {
    return info.param.name;
}

const KeyCase kKeys[] = {
    {"MixedJokerPair", "Bd Sd", 16},
    {"FourJokers", "Bs Bh Ss Sh", 17},
    {"BombLedByItsNaturalCards", "Bd 2s 2h 2c", 15},
    {"HighPairRun", "As Ah Ks Kh", 13},
    {"PairRunFromTheTwoBelowTheAce", "2s 2h As Ah", 1},
    {"PairRunFromTheTwo", "2s 2h 3s 3h", 2},
    {"JokerUnitsEndTheRun", "Bs Bh As Ah Ks Kh Qs Qh", 11},
    {"StraightEndingInAJoker", "Bs As Ks Qs Js Ts", 9},
    {"ThirteenCardStraight", "2s As Ks Qs Js Ts 9s 8s 7s 6s 5s 4s 3s", 2},
    {"StraightWithTheAceBelow", "2s As 6s 5s 4s 3s", 1},
    {"AirplaneReadsItsTriples", "Ks Kh 9s 9h 5s 5h 5d 4s 4h 4d", 4},
    {"AirplaneWithTheAceBelow", "2s 2h 2d As Ah Ad 5s 5h 4s 4h", 1},
    {"AirplaneOfAceAndJokerKings", "Bs Bh Ss Sh 2s 2h 2d As Ah Ad", 13},
};
INSTANTIATE_TEST_SUITE_P(PlayKey, PlayKeyTest, ::testing::ValuesIn(kKeys), keyName);

} // namespace
} // namespace qv::rules
