#pragma once

#include <array>
#include <cstdint>

namespace qv {

/// The game's shared data module: flags, counters and per-seat values that several subsystems
/// read and write. Names are the game's own.
struct SharedData {
    /// Layout scale, 1.0 or 0.78125, set once at start-up before any layout.
    float ScaleX = 1.0F;
    float ScaleY = 1.0F;
    /// Per-seat wealth multiple of the table, 0 for none; written when players take their seats.
    std::array<std::int32_t, 4> SeatWealth{};
};

} // namespace qv
