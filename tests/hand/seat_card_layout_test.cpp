#include "hand/card_pictures.h"
#include "hand/hand_layout.h"
#include "hand/seat_card_layout.h"
#include "hand_fixture.h"

#include <gtest/gtest.h>

namespace qv::hand {
namespace {

using rules::makeCard;
using testing_support::HandTable;
using testing_support::shows;

TEST(HandLayoutTest, TheRowIsCentredWithItsOverlapRounded) {
    const HandLayout full = ComputeHandLayout(90, 27, 1000, 1.0F);
    EXPECT_EQ(full.spacing, 20);
    EXPECT_EQ(full.total, 610);
    EXPECT_EQ(full.left, 195);
    const HandLayout small = ComputeHandLayout(90 * 0.78125, 27, 800, 0.78125F);
    EXPECT_EQ(small.spacing, 13);
    EXPECT_EQ(small.total, 408);
    EXPECT_EQ(small.left, 196);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
}

TEST(SeatCardLayoutTest, TheSortExchangesCodesOnlyIntoHandOrder) {
    std::vector<CardSlot> slots;
    const std::vector<rules::CardCode> cards = testing_support::sampleHand();
    for (std::size_t i = 0; i < cards.size(); ++i) {
        slots.push_back({cards[i], static_cast<std::int16_t>(i)});
    }
    SortSeatCards(slots);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        EXPECT_EQ(slots[i].Ind, static_cast<int>(i));
        if (i > 0) {
            EXPECT_FALSE(rules::handOrderBefore(slots[i].code, slots[i - 1].code)) << i;
        }
    }
    EXPECT_EQ(rules::cardFace(slots[0].code), 17);
    EXPECT_EQ(rules::cardFace(slots[1].code), 17);
    EXPECT_EQ(rules::cardFace(slots[2].code), 16);
    EXPECT_EQ(rules::cardFace(slots[3].code), 16);
    std::vector<int> suitsOfTens;
    for (const CardSlot& slot : slots) {
        if (rules::cardFace(slot.code) == 10) {
            suitsOfTens.push_back(rules::cardSuit(slot.code));
        }
    }
    EXPECT_EQ(suitsOfTens, (std::vector<int>{8, 4, 1}));
}

TEST(SeatCardLayoutTest, TwoCopiesOfACardComeOutInTheOrderOfTheExchangePasses) {
    // The first pass carries the second ace over the first king of spades, past its copy, so
    // the copy dealt later comes out first; a stable sort would keep the dealt order.
    const std::vector<rules::CardCode> dealt = {makeCard(13, 8, 43), makeCard(14, 4, 46),
                                                makeCard(13, 8, 95), makeCard(14, 8, 47)};
    std::vector<CardSlot> slots;
    for (const rules::CardCode card : dealt) {
        slots.push_back({card, static_cast<std::int16_t>(slots.size())});
    }
    SortSeatCards(slots);
    std::vector<int> order;
    for (const CardSlot& slot : slots) {
        order.push_back(rules::cardDeckIndex(slot.code));
    }
    EXPECT_EQ(order, (std::vector<int>{47, 46, 95, 43}));
    std::vector<rules::CardCode> stable = dealt;
    rules::sortHandOrder(stable);
    EXPECT_EQ(rules::cardDeckIndex(stable[2]), 43);
}

TEST(SeatCardLayoutTest, RowsOfTheOtherSeatsLieUnderTheTopBar) {
    EXPECT_EQ(SeatRowTop(1, 21, 96, 120, 1.0F, 1.0F), 96 + 120 + 50);
    EXPECT_EQ(SeatRowTop(1, 20, 96, 120, 1.0F, 1.0F), 96 + 240 + 50);
    EXPECT_EQ(SeatRowTop(1, 21, 75, 93.75, 0.78125F, 0.78125F), 75 + 187.5 + 50 * 0.78125);
    EXPECT_EQ(SeatRowTop(2, 5, 96, 120, 1.0F, 1.0F), 106);
    EXPECT_EQ(SeatRowTop(3, 5, 96, 120, 1.0F, 1.0F), 96 + 240 + 30);
    EXPECT_EQ(SeatRowLeft(1, 610, 1024), 0);
    EXPECT_EQ(SeatRowLeft(2, 610, 1024), 207);
    EXPECT_EQ(SeatRowLeft(3, 610, 1024), 414);
    EXPECT_EQ(SeatRowLeft(2, 609, 1024), 208); // 207.5 to even
}

TEST(SeatCardLayoutTest, AnotherSeatsCardsAreShownFaceUpInOneRow) {
    HandTable t;
    PlayerInfo& seat = t.client.hand.custom[3];
    seat.sum = 3;
    seat.pai[0] = {makeCard(5, 1), 0};
    seat.pai[1] = {makeCard(17, 0), 1};
    seat.pai[2] = {makeCard(5, 3), 2}; // no card of the deck
    LayoutSeatCards(t.ctx, 3, seat.sum);
    EXPECT_EQ(rules::cardFace(seat.pai[0].code), 17);
    EXPECT_EQ(seat.pai[1].code, makeCard(5, 3));
    EXPECT_TRUE(shows(t.form.cardImage3(0), 354));
    EXPECT_TRUE(shows(t.form.cardImage3(2), 305));
    EXPECT_TRUE(t.form.cardImage3(0).visible());
    EXPECT_FALSE(t.form.cardImage3(1).visible());
    EXPECT_TRUE(t.form.cardImage3(2).visible());
    const double w = t.form.cardImage0(0).width();
    const int gap = RoundHalfEven(w * 0.22);
    const int total = RoundHalfEven(2 * gap + w);
    EXPECT_EQ(t.form.cardImage3(0).left(), 1024 - total);
    EXPECT_EQ(t.form.cardImage3(2).left(), 1024 - total + 2 * gap);
    EXPECT_EQ(t.form.cardImage3(0).top(), t.form.cardImage3(2).top());
}

TEST(SeatCardLayoutTest, CountsOutsideAHandAreClamped) {
    HandTable t;
    PlayerInfo& own = t.client.hand.custom[0];
    for (std::size_t i = 0; i < kHandSlots; ++i) {
        own.pai.at(i) = {makeCard(3 + static_cast<int>(i % 13), 1), static_cast<std::int16_t>(i)};
    }
    LayoutSeatCards(t.ctx, 0, 40);
    EXPECT_TRUE(t.form.cardImage0(26).visible());
    EXPECT_FALSE(t.form.cardImage0(27).visible());
    EXPECT_EQ(rules::cardFace(own.pai[27].code), 3 + 27 % 13);
    LayoutSeatCards(t.ctx, 0, -5);
    LayoutSeatCards(t.ctx, 7, 3);
}

TEST(SeatCardLayoutTest, OneCardStaysAndIsShown) {
    HandTable t;
    PlayerInfo& own = t.client.hand.custom[0];
    own.pai[0] = {makeCard(9, 4), 5};
    LayoutSeatCards(t.ctx, 0, 1);
    EXPECT_TRUE(shows(t.form.cardImage0(5), 9 + 16 * 2));
    EXPECT_TRUE(t.form.cardImage0(5).visible());
}

} // namespace
} // namespace qv::hand
