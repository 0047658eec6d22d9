#include "hand/bomb_log.h"
#include "hand/own_play.h"
#include "hand/played_area.h"
#include "play_fixture.h"

#include <gtest/gtest.h>

namespace qv::hand {
namespace {

using testing_support::Card;
using testing_support::PlayTable;
using testing_support::shows;

std::vector<Card> cardsOf(int face, int count) {
    return std::vector<Card>(static_cast<std::size_t>(count), Card{face, 1});
}

std::vector<std::int16_t> logOf(const BombValues& values) {
    return {values.begin(), values.begin() + values[120]};
}

// Seat masks 2, 4, 8 are the relative seats 1, 2, 3 of a player at seat mask 1.
TEST(ServerPlayTest, BombsOfFiveOrMoreAreLoggedByTheirNaturalFace) {
    struct Case {
        const char* name;
        std::vector<Card> cards;
        rules::PlayType type;
        std::vector<std::int16_t> log;
    };
    const Case cases[] = {
        {"jokers first", {{17, 1}, {16, 1}, {9, 1}, {9, 2}, {9, 4}}, 20, {2, 9, 5, 0, 0}},
        {"four nines and a joker", {{16, 1}, {9, 1}, {9, 2}, {9, 4}, {9, 8}}, 20, {2, 9, 5, 0, 0}},
        {"four-card bomb", cardsOf(9, 4), 16, {}},
        {"four jokers", {{17, 1}, {17, 1}, {16, 1}, {16, 1}}, 16, {}},
    };
    for (const auto& c : cases) {
        PlayTable t;
        t.deal();
        t.receive(testing_support::Play(4, 8, c.cards, c.type));
        EXPECT_EQ(logOf(t.client.hand.BombLog), c.log) << c.name;
        EXPECT_TRUE(t.form.Speak(2).visible()) << c.name;
        EXPECT_TRUE(shows(t.form.Speak(2), 223)) << c.name;
    }
}

TEST(ServerPlayTest, TheLogMovesToTheFirstAndTheSecondFinisher) {
    PlayTable t;
    t.deal();
    // Seat 2 goes out with a bomb: logged with state 0, then the whole log moves, marked 111.
    t.client.hand.custom[2].sum = 5;
    t.receive(testing_support::Play(4, 8, cardsOf(9, 5), 20));
    EXPECT_TRUE(t.client.hand.g_bFirstDone);
    EXPECT_EQ(t.client.hand.idiyiming_st, 2);
    EXPECT_EQ(t.client.hand.BombLog[120], 0);
    EXPECT_EQ(logOf(t.client.hand.BombTable[2]), (std::vector<std::int16_t>{2, 9, 5, 111, 0}));
    EXPECT_TRUE(t.form.first(2).visible());
    EXPECT_FALSE(t.form.shanImage(1).visible());

    // A bomb after the first place is logged with state 1; seat 3 goes out second with it.
    t.client.hand.custom[3].sum = 6;
    t.receive(testing_support::Play(8, 2, cardsOf(10, 6), 24));
    EXPECT_EQ(t.client.hand.idierming_st, 3);
    EXPECT_EQ(logOf(t.client.hand.BombTable[3]), (std::vector<std::int16_t>{3, 10, 6, 222, 0}));
}

// Before anybody is out, a trick won by the log's last bomber moves the log unchanged; a pass
// that ends the trick for him does the same.
TEST(ServerPlayTest, ATrickWonByTheLastBomberTakesTheLog) {
    for (const bool byPass : {false, true}) {
        PlayTable t;
        t.deal();
        t.receive(testing_support::Play(4, 8, cardsOf(9, 5), 20));
        if (byPass) {
            t.receive(testing_support::Play(2, 4).state(0));
            EXPECT_EQ(t.client.hand.BombLog[120], 5);
            t.receive(testing_support::Play(2, 4).state(1));
        } else {
            t.receive(testing_support::Play(2, 4, {{3, 1}}, 1).state(1));
        }
        EXPECT_EQ(t.client.hand.BombLog[120], 0) << byPass;
        EXPECT_EQ(logOf(t.client.hand.BombTable[2]), (std::vector<std::int16_t>{2, 9, 5, 0, 0}));
    }
}

class RowTest : public ::testing::TestWithParam<QSize> {};

// The row's anchor is a whole pixel, rounded to the nearest (half to even) as the table reset
// rounds it: at 800x600, 390 and 750 scale to 304.7 and 585.9, anchored at 305 and 586.
TEST_P(RowTest, SideSeatRowsCentreByTheirLength) {
    struct Case {
        std::uint8_t mask;
        int seat;
        int count;
        int x1024;
        int x800;
    };
    const Case cases[] = {{2, 1, 5, 300, 234}, {2, 1, 6, 320, 250}, {2, 1, 10, 390, 305},
                          {8, 3, 5, 700, 547}, {8, 3, 6, 680, 531}, {8, 3, 10, 750, 586}};
    for (const Case c : cases) {
        PlayTable t(GetParam());
        t.deal();
        const bool large = GetParam().width() == 1024;
        const float sx = t.client.table.ScaleX;
        const int anchor = large ? c.x1024 : c.x800;
        const int top = large ? 320 : 250;
        t.receive(testing_support::Play(c.mask, 4, cardsOf(5, c.count), 12));
        auto& images = c.seat == 1 ? t.form.cardImage1 : t.form.cardImage3;
        const double width = images(0).width();
        EXPECT_EQ(t.client.hand.custom[static_cast<std::size_t>(c.seat)].playX, anchor);
        for (int i = 0; i < c.count; ++i) {
            const forms::Image& card = images(i);
            EXPECT_DOUBLE_EQ(card.left(), PlayedCardLeft(anchor, c.count, i, width, sx))
                << c.seat << " " << c.count << " " << i;
            EXPECT_DOUBLE_EQ(card.top(), top);
            EXPECT_TRUE(card.visible());
        }
        EXPECT_EQ(t.client.hand.PlayedImg[static_cast<std::size_t>(c.seat)][33], c.count);
        EXPECT_EQ(t.client.hand.custom[static_cast<std::size_t>(c.seat)].sum, 27 - c.count);
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, RowTest, ::testing::Values(QSize(1024, 768), QSize(800, 600)),
                         [](const ::testing::TestParamInfo<QSize>& size) {
                             return std::to_string(size.param.width());
                         });

TEST(ServerPlayTest, PilesShrinkWithTheCardsLeft) {
    struct Case {
        int left;
        int picture;
    };
    for (const Case c : {Case{20, 403}, Case{19, 402}, Case{9, 401}, Case{8, 400}}) {
        PlayTable t;
        t.deal();
        t.client.hand.custom[1].sum = static_cast<std::int16_t>(c.left + 1);
        t.receive(testing_support::Play(2, 4, {{5, 1}}, 1));
        EXPECT_TRUE(t.form.shanImage(0).visible()) << c.left;
        EXPECT_TRUE(shows(t.form.shanImage(0), c.picture)) << c.left;
    }
}

TEST(ServerPlayTest, TheFourthSeatOutGetsNoBadge) {
    PlayTable t;
    t.deal();
    t.client.hand.g_FinishCount = 3;
    t.client.hand.custom[1].sum = 1;
    t.receive(testing_support::Play(2, 4, {{5, 1}}, 1));
    EXPECT_FALSE(t.form.first(1).visible());
    EXPECT_FALSE(t.form.shanImage(0).visible());
    EXPECT_EQ(t.client.hand.g_FinishCount, 3);
}

// A card count beyond a hand draws the seat's cards up to its last image and stops there: its
// counts stay, and the rest of the message (the turn it names) goes on; 0 is a pass.
TEST(ServerPlayTest, ACountBeyondAHandStopsAtTheLastImage) {
    for (const int count : {28, 200}) {
        PlayTable t;
        t.deal();
        std::vector<testing_support::Card> cards(27, {5, 1});
        auto m = testing_support::playMessage(testing_support::Play(2, 1, cards, 1));
        m.setU8(17, static_cast<std::uint8_t>(count));
        m.setU8(255, 20);
        t.dispatch(m);
        EXPECT_TRUE(t.form.cardImage1(26).visible()) << count;
        EXPECT_EQ(t.client.hand.custom[1].sum, 27) << count;
        EXPECT_EQ(t.client.hand.paiUsed[0], 0) << count;
        EXPECT_EQ(t.client.rules.LastPlayCount, count) << count;
        EXPECT_TRUE(t.client.hand.g_bMyTurn) << count;
        EXPECT_TRUE(t.form.Operation(0).visible()) << count;
    }
    PlayTable t;
    t.deal();
    t.receive(testing_support::Play(2, 4, {{5, 1}}, 1));
    t.receive(testing_support::Play(2, 4));
    EXPECT_FALSE(t.form.cardImage1(0).visible());
    EXPECT_TRUE(shows(t.form.Speak(1), 235));
}

// The first play message of every hand shows no pass bubble; later passes do.
TEST(ServerPlayTest, TheHandsFirstPassShowsNoBubble) {
    PlayTable t;
    for (int hand = 0; hand < 2; ++hand) {
        t.deal();
        t.receive(testing_support::Play(4, 8));
        EXPECT_FALSE(t.form.Speak(2).visible()) << hand;
        t.receive(testing_support::Play(4, 8));
        EXPECT_TRUE(shows(t.form.Speak(2), 235)) << hand;
    }
}

TEST(ServerPlayTest, TheEchoOfTheOwnSingleChangesNothing) {
    PlayTable t;
    t.deal();
    t.ownLead();
    const int ace = t.slotOf(14, 47);
    t.raise({ace});
    JudgeChuPai(t.ctx);
    const int sum = t.client.hand.custom[0].sum;
    t.receive(testing_support::Play(1, 2, {{14, 8}}, 1));
    EXPECT_EQ(t.client.hand.custom[0].sum, sum);
    EXPECT_EQ(t.client.hand.ownPKValue, -1);
    EXPECT_EQ(t.client.hand.OwnLastCount, 0);
    EXPECT_EQ(t.client.hand.PlayedImg[0][33], 1);
}

// The player sent a pair, the server reports a single for him: the pair comes back into the
// hand and the server's card is played in its place.
TEST(ServerPlayTest, APairSentAndASingleReportedIsRolledBack) {
    PlayTable t;
    t.deal();
    t.ownLead();
    t.raise({t.slotOf(14, 47), t.slotOf(14, 99)});
    JudgeChuPai(t.ctx);
    ASSERT_EQ(t.client.hand.custom[0].sum, 25);
    t.receive(testing_support::Play(1, 2, {{3, 1}}, 1));
    const PlayerInfo& own = t.client.hand.custom[0];
    EXPECT_EQ(own.sum, 26);
    EXPECT_GE(t.slotOf(14, 47), 0);
    EXPECT_GE(t.slotOf(14, 99), 0);
    EXPECT_LT(t.slotOf(3, 0), 0);
    EXPECT_EQ(t.client.hand.PlayedImg[0][33], 1);
    const forms::Image& played = t.form.cardImage0(t.client.hand.PlayedImg[0][0]);
    EXPECT_TRUE(played.visible());
    EXPECT_EQ(played.top(), own.playY + 24);
    EXPECT_TRUE(t.raised().empty() || t.raised().size() == 0U);
    EXPECT_EQ(t.client.hand.OwnLastCount, 0);
}

// Nothing was sent and the server plays the player's last card: the badge and the place come
// as they would after his own play.
TEST(ServerPlayTest, TheServerPlayingTheLastCardGivesTheBadge) {
    PlayTable t;
    t.deal();
    t.client.hand.custom[0].sum = 1;
    const rules::CardCode last = t.client.hand.custom[0].pai[0].code;
    t.receive(testing_support::Play(1, 2, {{rules::cardFace(last), rules::cardSuit(last)}}, 1));
    EXPECT_EQ(t.client.hand.custom[0].sum, 0);
    EXPECT_TRUE(t.client.hand.g_bFirstDone);
    EXPECT_EQ(t.client.hand.idiyiming_st, 0);
    EXPECT_TRUE(t.form.first(0).visible());
    EXPECT_EQ(t.client.hand.g_FinishCount, 1);
}

TEST(ServerPlayTest, TheOwnTurnOpensWithTheButtonsOfItsTrickState) {
    struct Case {
        std::uint8_t state;
        std::vector<bool> buttons;
        bool free;
    };
    for (const Case& c :
         {Case{0, {true, true, true}, false}, Case{1, {true, true, false}, true},
          Case{9, {true, true, true}, true}, Case{10, {false, false, false}, true}}) {
        PlayTable t;
        t.deal();
        t.receive(
            testing_support::Play(8, 1, {{5, 1}}, 1).state(c.state).turnToken(42).turnSeconds(1));
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(t.form.Operation(k).visible(), c.buttons[static_cast<std::size_t>(k)])
                << int(c.state) << " " << k;
        }
        EXPECT_TRUE(t.client.hand.Oper_Flag);
        EXPECT_TRUE(t.client.conn.g_bOwnCountdown);
        EXPECT_EQ(t.client.conn.TurnToken, 42);
        EXPECT_EQ(t.client.conn.CountDown, 20);
        EXPECT_EQ(t.client.rules.LastPlayType == rules::PlayNone, c.free) << int(c.state);
        EXPECT_EQ(t.form.Time_Img.left(), 875);
    }
}

} // namespace
} // namespace qv::hand
