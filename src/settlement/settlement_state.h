#pragma once

#include "settlement/result_rows.h"

#include <array>
#include <cstdint>

namespace qv::settlement {

/// The settlement's state: the hand's result rows, the running totals since the player took his
/// seat, the stake of the last sheet, and the sheet that waits to be shown.
struct SettlementState {
    ResultRowSet ResultRows{};
    std::array<double, 4> RunningTotal{};
    std::uint32_t RoomStake = 0;
    /// A hand result is in and its sheet not yet written: one sheet per result, whoever asks.
    bool SheetPending = false;
    /// The Score window is to be shown once the post-game displays allow, from this tick on.
    bool ShowScoreAfter = false;
    std::uint32_t ResultShowTime = 0;

    friend bool operator==(const SettlementState&, const SettlementState&) = default;
};

} // namespace qv::settlement
