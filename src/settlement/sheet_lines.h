#pragma once

#include "forms/color.h"
#include "settlement/bomb_pruning.h"
#include "settlement/score_sheet_file.h"
#include "settlement/seat_result.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace qv::settlement {

/// What the settlement sheet is written from besides the rows.
struct SheetInputs {
    /// The four rows in the server's order.
    std::array<SeatResult, 4> rows{};
    std::uint8_t ownSeatMask = 0;
    /// The seat mask of the player who called the partner card.
    std::int32_t callerSeat = 0;
    /// The banker's display seat.
    int banker = 0;
    /// The bombs each display seat is credited with, already pruned.
    BombTable bombs{};
    /// The money label of each display seat as the hand ends.
    std::array<QString, 4> cash{};
    /// Not 0 when the table plays with wealth doubling; then its multiplier's text.
    std::int32_t wealthMult = 0;
    QString wealthText{};
    QString roundNote{};
    /// The item plug-in's result of each display seat: its line texts and its gold.
    std::array<QString, 4> propItems{};
    std::array<double, 4> propGold{};
};

/// One row's outcome as the bookkeeping takes it.
struct SettledRow {
    int seat = 0;
    /// The final score, with the plug-in's gold when the total is positive.
    double finalScore = 0;
    std::uint8_t totalSign = 0;
    std::uint8_t level = 0;
    bool coins = false;
};

/// The sheet of one hand: the lines of the Score window's eight lists (0 to 3 each display
/// seat's column, 4 to 7 their final scores), the names' and the columns' colours.
struct Sheet {
    std::array<QStringList, 8> lists;
    /// Set for the seats that have a row.
    std::array<std::optional<forms::OleColor>, 4> nameColours;
    std::array<forms::OleColor, 4> listColours{};
    /// In row order.
    std::array<SettledRow, 4> settled;
};

/// Writes the sheet. Amounts are computed in 64 bits from the unsigned stake, so every stake
/// gives its true amounts.
[[nodiscard]] Sheet BuildSheet(const SheetInputs& in);

/// The text of an amount: decimal, no separators, no decimals.
[[nodiscard]] QString amountText(double amount);

/// The level names 1 to 40; nothing outside them.
[[nodiscard]] std::optional<QString> LevelName(int level);

} // namespace qv::settlement
