#pragma once

#include "hand.h"
#include "table_messages.h"

#include <array>
#include <cstdint>

namespace qv::tools::table {

inline constexpr int kMaxLevel = 40;

/// The settlement of a finished hand. The side of the first player out wins. Place factor: 3 when
/// the winners took the first two places, 2 when the partner came third, 1 when fourth; a banker
/// playing alone plays for factor 2 and wins or loses three times the stake-weighted amount the
/// others each lose or win. Each bomb of five or more cards is worth 5 x 2^(cards - 5) stakes,
/// paid by the other side to the bomber's side, weighted the same way. Every amount is zero-sum.
struct HandResult {
    ResultShared shared;
    /// In message order: rows 0 and 1 the banker's side (the banker and the seat after him when
    /// he played alone), rows 2 and 3 the others.
    std::array<ResultRecord, kSeats> rows;
    /// Per seat.
    std::array<std::int64_t, kSeats> totals{};
    std::array<bool, kSeats> won{};
    std::array<int, kSeats> levels{};
};

/// Winners go up one level (at most 40); `levels` are the levels before the hand.
HandResult settleHand(const Hand& hand, std::uint32_t stake, std::array<int, kSeats> levels);

} // namespace qv::tools::table
