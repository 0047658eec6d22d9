#pragma once

#include "settlement/seat_result.h"

#include <array>
#include <cstdint>

namespace qv::settlement {

/// Per display seat the bombs of five or more cards credited to it, as records of five values
/// (seat that played it, face, card count, place state, 0); element 120 counts the values.
using BombRow = std::array<std::int16_t, 121>;
using BombTable = std::array<BombRow, 4>;

inline constexpr int kBombCount = 120;
inline constexpr int kBombRecord = 5;
inline constexpr int kNoFinisherYet = 5;

/// Who went out first and second, as display seats (5 while nobody has).
struct Finishers {
    int first = kNoFinisherYet;
    int second = kNoFinisherYet;
};

/// Removes the bombs that do not count in a partnership hand: the side without the first player
/// out keeps only its bombs played before anybody went out, and when the second player out is on
/// that side too, the first player's partner loses his bombs from the first one played after the
/// second player went out. A solo hand (row 0's solo flag) keeps every bomb.
void PruneBombs(BombTable& bombs, const std::array<SeatResult, 4>& rows, std::uint8_t ownSeatMask,
                const Finishers& finishers);

/// The number of values a row holds, as far as it can hold whole records.
[[nodiscard]] int bombValues(const BombRow& row);

} // namespace qv::settlement
