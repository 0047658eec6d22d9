#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace qv::hand {

/// Bombs of five or more cards as records of five values (relative seat, face, card count,
/// place state, 0); element 120 counts the values stored.
using BombValues = std::array<std::int16_t, 121>;
using BombRows = std::array<BombValues, 4>;

inline constexpr int kBombRecordSize = 5;
inline constexpr int kBombValueCount = 120;

/// Place states of a bomb record.
inline constexpr std::int16_t kNobodyOut = 0;
inline constexpr std::int16_t kFirstPlaceDecided = 1;
inline constexpr std::int16_t kSecondPlaceDecided = 2;
inline constexpr std::int16_t kMovedToFirst = 111;
inline constexpr std::int16_t kMovedToSecond = 222;

/// Appends a record; false, and nothing written, once the log holds all it can.
bool AppendBomb(BombValues& log, int seat, int face, int cards, std::int16_t placeState);

/// The relative seat of the log's most recent record; none while the log is empty.
[[nodiscard]] std::optional<int> LastBomber(const BombValues& log);

/// Moves the log into the row of its last bomber: every record, in its order, with its place
/// state set to `state` when one is given; the log is then cleared. A row that is full takes
/// no more values, a bomber that is no seat none. Nothing happens while the log is empty.
void MoveBombLog(BombValues& log, BombRows& table, std::optional<std::int16_t> state = {});

/// Who has gone out first and second (relative seats), as the log's settlement reads it.
struct Finishers {
    bool firstDone = false;
    bool secondDone = false;
    int first = 0;
    int second = 0;
};

/// Once a place is taken, a log whose last bomb belongs to the first finisher moves to his row
/// marked 111, else one whose last bomb belongs to the second finisher moves marked 222. True
/// when the log moved.
bool SettleForFinishers(BombValues& log, BombRows& table, const Finishers& finishers);

} // namespace qv::hand
