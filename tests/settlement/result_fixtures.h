#pragma once

#include "connection/game_message.h"
#include "settlement/bomb_pruning.h"
#include "settlement/result_rows.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace qv::settlement::testing_support {

/// One seat's record as a test writes it; amounts are magnitudes, signs apart.
struct RecordFields {
    std::uint8_t seatMask = 1;
    std::uint8_t partnerMask = 4;
    /// (face, suit flag) of each card left; `cardCount` is written as given.
    std::vector<std::pair<int, int>> cards{};
    int cardCount = -1;
    std::uint8_t totalSign = 1;
    std::uint64_t total = 0;
    std::uint64_t finalScore = 0;
    std::uint8_t bombSign = 0;
    std::uint64_t bombTotal = 0;
    std::uint8_t level = 0;
    std::uint8_t place = 1;
    std::uint8_t placeSign = 1;
    std::uint64_t subtotal = 0;
    std::uint8_t subtotalSign = 0;
    bool capped = false;
};

/// The fields both records of a message share.
struct SharedFields {
    std::uint32_t stake = 100;
    bool solo = false;
    std::uint8_t closing = 0;
    std::uint8_t placeFactor = 2;
    std::uint8_t moneyUnit = 1;
};

/// Writes a record at `base` (16 for the first of a message, 116 for the second).
void writeRecord(connection::GameMessage& message, int base, const RecordFields& record);
/// A result message carrying two records.
[[nodiscard]] connection::GameMessage
resultMessage(const SharedFields& shared, const RecordFields& first, const RecordFields& second);
/// A result row: a one-seat message.
[[nodiscard]] ResultRow resultRow(const SharedFields& shared, const RecordFields& record);

/// A partnership hand's records in mask order: masks 1 and 4 won 400 against 2 and 8, places 1,
/// 3, 2, 4.
[[nodiscard]] std::array<RecordFields, 4> partnershipRecords();

/// Appends a bomb record (seat, face, cards, place state, 0) to display seat `seat`'s row.
void addBomb(BombTable& bombs, int seat, int face, int cards, std::int16_t state = 0);

} // namespace qv::settlement::testing_support
