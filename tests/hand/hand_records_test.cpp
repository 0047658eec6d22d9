#include "hand/hand_records.h"

#include <gtest/gtest.h>

namespace qv::hand {
namespace {

TEST(HandRecordsTest, HandHasImageLooksOnlyAtTheCardsStillInTheHand) {
    PlayerInfo own;
    EXPECT_FALSE(HandHasImage(own, 0));
    own.sum = 3;
    own.pai[0].Ind = 4;
    own.pai[1].Ind = 7;
    own.pai[2].Ind = 9;
    own.pai[3].Ind = 12; // played: its image still shows it in the played area
    EXPECT_TRUE(HandHasImage(own, 7));
    EXPECT_TRUE(HandHasImage(own, 9));
    EXPECT_FALSE(HandHasImage(own, 12));
    EXPECT_FALSE(HandHasImage(own, -1));
}

TEST(HandRecordsTest, ClearingTheHandsKeepsNamesSeatsCodesAndTheRollBackCopy) {
    HandState hand;
    auto& custom = hand.custom;
    for (std::size_t s = 0; s < 4; ++s) {
        PlayerInfo& p = custom.at(s);
        p.name = QString::number(s);
        p.seat = static_cast<std::uint8_t>(1 << s);
        p.playX = 11;
        p.sum = 27;
        p.bakSum = 27;
        for (std::size_t i = 0; i < kHandSlots; ++i) {
            p.pai.at(i) = {static_cast<rules::CardCode>(100 + i), static_cast<std::int16_t>(i)};
        }
        p.bakPai = p.pai;
        hand.g_SeatScore.at(s) = 3.5;
    }
    hand.g_FinishCount = 2;
    const auto before = custom;

    ClearHandRecords(hand);

    for (std::size_t s = 0; s < 4; ++s) {
        const PlayerInfo& p = custom.at(s);
        EXPECT_EQ(p.sum, 0);
        EXPECT_EQ(hand.g_SeatScore.at(s), 0);
        for (std::size_t i = 0; i < kHandSlots; ++i) {
            EXPECT_EQ(p.pai.at(i).Ind, i < 6 ? -1 : static_cast<int>(i));
            EXPECT_EQ(p.pai.at(i).code, before.at(s).pai.at(i).code);
        }
        EXPECT_EQ(p.name, before.at(s).name);
        EXPECT_EQ(p.seat, before.at(s).seat);
        EXPECT_EQ(p.playX, 11);
        EXPECT_EQ(p.bakPai, before.at(s).bakPai);
        EXPECT_EQ(p.bakSum, 27);
    }
    EXPECT_EQ(hand.g_FinishCount, 0);
}

} // namespace
} // namespace qv::hand
