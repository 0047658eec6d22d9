#pragma once

namespace qv {

/// The game's shared data module: flags, counters and per-seat values that several subsystems
/// read and write. Names are the game's own.
struct SharedData {
    /// Layout scale, 1.0 or 0.78125, set once at start-up before any layout.
    float ScaleX = 1.0F;
    float ScaleY = 1.0F;
};

} // namespace qv
