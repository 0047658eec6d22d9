#pragma once

#include "rules/card_code.h"
#include "settlement/result_rows.h"

#include <cstdint>
#include <vector>

namespace qv::settlement {

/// The signs the rows carry beside their amounts.
inline constexpr std::uint8_t kSignZero = 0;
inline constexpr std::uint8_t kSignPlus = 1;
inline constexpr std::uint8_t kSignMinus = 2;

/// The most cards a seat can hold at the end of a hand.
inline constexpr int kMostCardsLeft = 27;

/// What the sheet reads of one result row. Amounts are the rows' 8-byte magnitudes as whole
/// numbers; signs travel apart from them.
struct SeatResult {
    /// Room stake, unsigned (read from row 0 only).
    std::uint32_t stake = 0;
    bool solo = false;
    /// The closing block of the sheet is written (byte 13 is 0).
    bool closingBlock = false;
    std::uint8_t placeFactor = 0;
    /// The seat's money label reads "金币" (else "金条").
    bool coins = false;
    std::uint8_t seatMask = 0;
    /// The cards left, as face * 256 + suit flag; bytes that are no card are left out.
    std::vector<rules::CardCode> cardsLeft;
    std::uint8_t totalSign = 0;
    double total = 0;
    double finalScore = 0;
    std::uint8_t bombSign = 0;
    double bombTotal = 0;
    std::uint8_t level = 0;
    std::uint8_t place = 0;
    std::uint8_t placeSign = 0;
    std::uint8_t partnerMask = 0;
    double subtotal = 0;
    std::uint8_t subtotalSign = 0;
    bool capped = false;
};

/// Reads a row's fields. The count of cards left is taken as at most 27.
[[nodiscard]] SeatResult readSeatResult(const ResultRow& row);

/// The display seat of a seat mask: 0 the player, then 1, 2, 3 in seating order.
[[nodiscard]] int displaySeat(std::uint8_t seatMask, std::uint8_t ownSeatMask);

} // namespace qv::settlement
