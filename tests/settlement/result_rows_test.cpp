#include "result_fixtures.h"
#include "settlement/result_rows.h"
#include "settlement/seat_result.h"

#include <gtest/gtest.h>

namespace qv::settlement {
namespace {

using connection::GameMessage;

/// A message whose every byte differs from its neighbours, so a byte out of place shows.
GameMessage numberedMessage(int seed) {
    GameMessage message;
    for (int i = 0; i < connection::kMessageSize; ++i) {
        message.setU8(i, static_cast<std::uint8_t>((i * 7 + seed) % 251 + 1));
    }
    return message;
}

TEST(ResultRows, CutsEachRecordIntoARowWithTheSharedHeadAndTail) {
    const GameMessage message = numberedMessage(3);
    const auto halves = decodeResult(message);
    ASSERT_TRUE(halves.has_value());
    for (int i = 0; i < connection::kMessageSize; ++i) {
        SCOPED_TRACE(i);
        if (i < 16 || i >= 256) {
            EXPECT_EQ(halves->a.u8(i), message.u8(i));
            EXPECT_EQ(halves->b.u8(i), message.u8(i));
        } else if (i < 116) {
            EXPECT_EQ(halves->a.u8(i), message.u8(i));
            EXPECT_EQ(halves->b.u8(i), message.u8(i + 100));
        } else {
            EXPECT_EQ(halves->a.u8(i), 0);
            EXPECT_EQ(halves->b.u8(i), 0);
        }
    }
}

TEST(SeatResult, ReadsTheStakeUnsignedAndTheAmountsAsMagnitudes) {
    testing_support::RecordFields record;
    record.seatMask = 4;
    record.partnerMask = 1;
    record.total = 0x0102030405ULL;
    record.finalScore = 77;
    record.bombTotal = 5;
    record.subtotal = 9;
    record.level = 12;
    record.place = 3;
    const SeatResult r =
        readSeatResult(testing_support::resultRow({.stake = 3'000'000'000U}, record));
    EXPECT_EQ(r.stake, 3'000'000'000U);
    EXPECT_EQ(r.seatMask, 4);
    EXPECT_EQ(r.partnerMask, 1);
    EXPECT_EQ(r.total, static_cast<double>(0x0102030405ULL));
    EXPECT_EQ(r.finalScore, 77);
    EXPECT_EQ(r.bombTotal, 5);
    EXPECT_EQ(r.subtotal, 9);
    EXPECT_EQ(r.level, 12);
    EXPECT_EQ(r.place, 3);
    EXPECT_TRUE(r.closingBlock);
    EXPECT_TRUE(r.coins);
}

// A joker is a card with the jokers' own suit flag (none or 1) only, as in a dealt hand.
TEST(SeatResult, TakesAtMost27CardsAndSkipsBytesThatAreNoCard) {
    testing_support::RecordFields record;
    record.cards = {{10, 4}, {0, 0}, {17, 1}, {3, 3}, {18, 1}, {14, 8}, {16, 0}, {17, 4}, {16, 2}};
    record.cardCount = 200;
    const SeatResult r = readSeatResult(testing_support::resultRow({}, record));
    EXPECT_EQ(r.cardsLeft, (std::vector<rules::CardCode>{0x0A04, 0x1101, 0x0E08, 0x1000}));

    record.cards.assign(30, {5, 2});
    const SeatResult full = readSeatResult(testing_support::resultRow({}, record));
    EXPECT_EQ(full.cardsLeft.size(), 27U);
}

TEST(SeatResult, DisplaySeatCountsFromTheOwnSeat) {
    EXPECT_EQ(displaySeat(4, 4), 0);
    EXPECT_EQ(displaySeat(8, 4), 1);
    EXPECT_EQ(displaySeat(1, 4), 2);
    EXPECT_EQ(displaySeat(2, 4), 3);
    EXPECT_EQ(displaySeat(0x12, 1), 1);
}

} // namespace
} // namespace qv::settlement
