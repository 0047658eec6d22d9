#include "card_notation.h"
#include "rules/can_beat.h"
#include "rules/classify_play.h"
#include "rules/double_deck.h"
#include "rules/play_tests.h"
#include "selection_checks.h"
#include "selection_maker.h"

#include <gtest/gtest.h>
#include <set>

namespace qv::rules {
namespace {

using testing::notation;

constexpr int kSelections = 20000;

struct Classified {
    std::vector<CardCode> cards;
    PlayType type;
};

Classified classify(std::vector<CardCode> selection) {
    RulesState state;
    const PlayType type =
        ClassifyPlay(state, PlayNone, static_cast<int>(selection.size()), selection);
    return {std::move(selection), type};
}

bool beats(const Classified& own, const Classified& last) {
    return CanBeat(own.cards, static_cast<int>(own.cards.size()), own.type, last.cards,
                   static_cast<int>(last.cards.size()), last.type);
}

/// The same cards with every card exchanged for its other copy in the double deck.
std::vector<CardCode> otherCopies(const std::vector<CardCode>& selection) {
    const auto deck = doubleDeck();
    std::vector<CardCode> copies;
    for (CardCode card : selection) {
        for (CardCode twin : deck) {
            if (cardFace(twin) == cardFace(card) && cardSuit(twin) == cardSuit(card) &&
                twin != card) {
                copies.push_back(twin);
                break;
            }
        }
    }
    return copies;
}

class RulesProperties : public ::testing::Test {
protected:
    testing::SelectionMaker maker{20261210};
};

TEST_F(RulesProperties, PatternTestsRearrangeOnlyWhenTheyAccept) {
    using PatternTest = bool (*)(std::span<CardCode>, int);
    const PatternTest tests[] = {IsThreeWithPair, IsStraight, IsPairRun, IsTripleRun, IsAirplane};
    for (int i = 0; i < kSelections; ++i) {
        const std::vector<CardCode> hand = maker.next();
        const int jokers = JokerCount(hand);
        for (PatternTest test : tests) {
            std::vector<CardCode> selection = hand;
            if (test(selection, jokers)) {
                ASSERT_TRUE(testing::samePermutation(hand, selection));
            } else {
                ASSERT_EQ(selection, hand) << notation(hand);
            }
        }
        std::vector<CardCode> selection = hand;
        if (IsBomb(selection, jokers) != PlayNone) {
            ASSERT_TRUE(testing::samePermutation(hand, selection));
        } else {
            ASSERT_EQ(selection, hand) << notation(hand);
        }
    }
}

TEST_F(RulesProperties, DeckCopiesDoNotChangeTheClassification) {
    for (int i = 0; i < kSelections; ++i) {
        const std::vector<CardCode> hand = maker.next();
        const Classified original = classify(hand);
        const Classified copies = classify(otherCopies(hand));
        ASSERT_EQ(copies.type, original.type) << notation(hand);
        ASSERT_EQ(notation(copies.cards), notation(original.cards)) << notation(hand);
    }
}

TEST_F(RulesProperties, ArrangedPlaysClassifyAgainToTheSamePlay) {
    std::set<PlayType> seen;
    for (int i = 0; i < kSelections; ++i) {
        const std::vector<CardCode> hand = maker.next();
        const Classified play = classify(hand);
        if (play.type == PlayNone) {
            ASSERT_EQ(play.cards, hand);
            continue;
        }
        seen.insert(isBombType(play.type) ? PlayBomb(4) : play.type);
        ASSERT_TRUE(testing::samePermutation(hand, play.cards));
        std::vector<CardCode> again = play.cards;
        sortHandOrder(again);
        const Classified replayed = classify(again);
        ASSERT_EQ(replayed.type, play.type) << notation(hand);
        ASSERT_EQ(notation(replayed.cards), notation(play.cards)) << notation(hand);
    }
    // Every kind of play came up, so the properties above were tried on each.
    EXPECT_EQ(seen,
              (std::set<PlayType>{PlaySingle, PlayPair, PlayTriple, PlayPairRun, PlayTripleRun,
                                  PlayAirplane, PlayStraight, PlayTripleWithPair, PlayBomb(4)}));
}

TEST_F(RulesProperties, APlayNeverBeatsItself) {
    for (int i = 0; i < kSelections; ++i) {
        const Classified play = classify(maker.next());
        if (play.type != PlayNone) {
            ASSERT_FALSE(beats(play, play)) << notation(play.cards);
        }
    }
}

TEST_F(RulesProperties, ABombBeatsEveryOtherPlay) {
    std::vector<Classified> bombs;
    std::vector<Classified> others;
    for (int i = 0; i < kSelections && (bombs.size() < 300 || others.size() < 300); ++i) {
        Classified play = classify(maker.next());
        if (isBombType(play.type)) {
            bombs.push_back(std::move(play));
        } else if (play.type != PlayNone) {
            others.push_back(std::move(play));
        }
    }
    ASSERT_FALSE(bombs.empty());
    ASSERT_FALSE(others.empty());
    for (const Classified& bomb : bombs) {
        for (const Classified& other : others) {
            ASSERT_TRUE(beats(bomb, other))
                << notation(bomb.cards) << " / " << notation(other.cards);
            ASSERT_FALSE(beats(other, bomb))
                << notation(other.cards) << " / " << notation(bomb.cards);
        }
    }
}

TEST_F(RulesProperties, LongerBombsBeatShorterOnes) {
    std::vector<Classified> bombs;
    for (int i = 0; i < kSelections && bombs.size() < 300; ++i) {
        Classified play = classify(maker.next());
        if (isBombType(play.type)) {
            bombs.push_back(std::move(play));
        }
    }
    for (const Classified& a : bombs) {
        for (const Classified& b : bombs) {
            if (a.cards.size() > b.cards.size()) {
                ASSERT_TRUE(beats(a, b)) << notation(a.cards) << " / " << notation(b.cards);
            }
        }
    }
}

} // namespace
} // namespace qv::rules
