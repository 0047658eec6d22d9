#include "card_notation.h"
#include "rules/can_beat.h"
#include "rules/classify_play.h"
#include "rules/double_deck.h"
#include "rules/follow_pattern.h"
#include "rules/hint_play.h"
#include "rules/prompt.h"
#include "rules/search_pai.h"
#include "selection_maker.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace qv::rules {
namespace {

using testing::notation;

constexpr int kRounds = 4000;

struct Play {
    PlayType type = PlayNone;
    std::vector<CardCode> cards;
};

class HintProperties : public ::testing::Test {
protected:
    /// A hand of the size from a shuffled double deck with 0 to 4 jokers, in hand order.
    std::vector<CardCode> randomHand(int size) {
        auto deck = doubleDeck();
        std::shuffle(deck.begin(), deck.end(), rng_);
        const int jokers = std::uniform_int_distribution<int>(0, std::min(4, size))(rng_);
        std::vector<CardCode> hand;
        for (CardCode card : deck) {
            const int wanted = isJoker(card) ? jokers : size - jokers;
            const auto held = std::count_if(
                hand.begin(), hand.end(), [&](CardCode c) { return isJoker(c) == isJoker(card); });
            if (held < wanted) {
                hand.push_back(card);
            }
        }
        sortHandOrder(hand);
        return hand;
    }
    int randomSize() { return std::uniform_int_distribution<int>(1, 27)(rng_); }

    /// A play to beat of any type, as the recogniser arranges it.
    Play randomPlay() {
        for (;;) {
            Play play{PlayNone, maker_.next()};
            RulesState state;
            play.type =
                ClassifyPlay(state, PlayNone, static_cast<int>(play.cards.size()), play.cards);
            if (play.type != PlayNone) {
                return play;
            }
        }
    }

    std::mt19937 rng_{20261211};
    testing::SelectionMaker maker_{20261212};
};

int held(std::span<const CardCode> hand, int face) {
    return static_cast<int>(std::count_if(hand.begin(), hand.end(),
                                          [face](CardCode c) { return cardFace(c) == face; }));
}

/// The row raised from the hand: each card once, jokers only where the row needs them, and a
/// play of the row's type that beats the play to beat.
::testing::AssertionResult raisesAPlayThatBeats(std::span<const CardCode> hand, const HintRow& row,
                                                const Play& last) {
    const std::optional<HintSlots> raised = hintSlots(hand, row);
    if (!raised || raised->count != row.count) {
        return ::testing::AssertionFailure() << "the hand cannot raise the row";
    }
    std::vector<CardCode> cards;
    std::set<int> slots;
    for (int i = 0; i < raised->count; ++i) {
        const int slot = raised->slots[static_cast<std::size_t>(i)];
        slots.insert(slot);
        const CardCode card = hand[static_cast<std::size_t>(slot)];
        const auto named = std::find(row.faces.begin(), row.faces.begin() + row.count,
                                     static_cast<std::int8_t>(cardFace(card)));
        if (!isJoker(card) && named == row.faces.begin() + row.count) {
            return ::testing::AssertionFailure() << "raises an unnamed " << notation({&card, 1});
        }
        cards.push_back(card);
    }
    if (static_cast<int>(slots.size()) != row.count) {
        return ::testing::AssertionFailure() << "raises a card twice";
    }
    RulesState state;
    const PlayType type = ClassifyPlay(state, last.type, row.count, cards);
    if (type != row.type) {
        return ::testing::AssertionFailure()
               << notation(cards) << " is type " << type << ", row says " << row.type;
    }
    if (!CanBeat(cards, row.count, type, last.cards, static_cast<int>(last.cards.size()),
                 last.type)) {
        return ::testing::AssertionFailure()
               << notation(cards) << " does not beat " << notation(last.cards);
    }
    return ::testing::AssertionSuccess();
}

bool namesAGroupOfFour(std::span<const CardCode> hand, const HintRow& row) {
    for (int i = 0; i < row.count; ++i) {
        if (row.face(i) <= kFaceTwo && held(hand, row.face(i)) >= 4) {
            return true;
        }
    }
    return false;
}

TEST_F(HintProperties, EveryFollowRowIsAPlayOfTheHandThatBeatsThePlay) {
    std::set<PlayType> answered;
    int rows = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::vector<CardCode> hand = randomHand(round % 4 == 0 ? randomSize() : 27);
        const Play last = randomPlay();
        HintState hints;
        PromptFollow(hints, hand, last.type, static_cast<int>(last.cards.size()), last.cards);
        ASSERT_LE(hints.g_PromptCount, kMaxHintRows);
        const auto context = [&] {
            return notation(hand) + " on " + notation(last.cards);
        };
        for (int r = 0; r < hints.g_PromptCount; ++r) {
            const HintRow& row = hints.row(r);
            ASSERT_TRUE(raisesAPlayThatBeats(hand, row, last)) << context() << " row " << r;
            if (row.type == last.type && !isBombType(row.type)) {
                answered.insert(row.type);
            }
            if (row.type <= PlayTriple || row.type == PlayTripleWithPair) {
                ASSERT_FALSE(namesAGroupOfFour(hand, row)) << context() << " row " << r;
            }
            ++rows;
        }
    }
    EXPECT_GT(rows, kRounds);
    EXPECT_EQ(answered,
              (std::set<PlayType>{PlaySingle, PlayPair, PlayTriple, PlayPairRun, PlayTripleRun,
                                  PlayAirplane, PlayStraight, PlayTripleWithPair}));
}

TEST_F(HintProperties, AnswersOfTheKindComeFirstThenBombsBySizeAndFace) {
    for (int round = 0; round < kRounds; ++round) {
        const std::vector<CardCode> hand = randomHand(27);
        const Play last = randomPlay();
        HintState hints;
        PromptFollow(hints, hand, last.type, static_cast<int>(last.cards.size()), last.cards);
        int rows = hints.g_PromptCount;
        if (rows > 0 && rows == kMaxHintRows) {
            ASSERT_EQ(hints.row(rows - 1).type, PlayBomb(4));
            ASSERT_EQ(hints.row(rows - 1).face(0), kFaceBigJoker);
            --rows;
        } else if (rows > 0 && hints.row(rows - 1).face(0) == kFaceBigJoker &&
                   hints.row(rows - 1).count == 4) {
            --rows;
        }
        ASSERT_LE(rows, kSearchRowLimit);
        int r = 0;
        while (r < rows && hints.row(r).type == last.type && !isBombType(last.type)) {
            ++r;
        }
        for (int previous = -1; r < rows; previous = r++) {
            const HintRow& row = hints.row(r);
            ASSERT_TRUE(isBombType(row.type)) << notation(hand) << " row " << r;
            if (previous >= 0) {
                const HintRow& before = hints.row(previous);
                ASSERT_TRUE(before.count < row.count ||
                            (before.count == row.count && before.face(0) < row.face(0)))
                    << notation(hand) << " rows " << previous << ", " << r;
            }
        }
    }
}

TEST_F(HintProperties, TheLeadRowIsAPlayOfTheHand) {
    for (int round = 0; round < kRounds; ++round) {
        const std::vector<CardCode> hand = randomHand(randomSize());
        HintState hints;
        PromptLead(hints, hand);
        ASSERT_EQ(hints.g_PromptCount, 1) << notation(hand);
        ASSERT_TRUE(raisesAPlayThatBeats(hand, hints.row(0), Play{})) << notation(hand);
    }
}

TEST_F(HintProperties, SearchGivesTheCountsBackAndStopsAtThirty) {
    for (int round = 0; round < kRounds; ++round) {
        const std::vector<CardCode> hand = randomHand(randomSize());
        const Play last = randomPlay();
        const auto pattern =
            followPattern(last.type, static_cast<int>(last.cards.size()), last.cards);
        if (!pattern) {
            continue;
        }
        FaceCount cnt = countHand(hand);
        const FaceCount before = cnt;
        HintState hints;
        hints.g_PromptCount = static_cast<std::int16_t>(round % 31);
        SearchPai(hints, *pattern, cnt, {});
        ASSERT_EQ(cnt, before) << notation(hand) << " on " << notation(last.cards);
        ASSERT_LE(hints.g_PromptCount, std::max(kSearchRowLimit, round % 31));
    }
}

} // namespace
} // namespace qv::rules
