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

    /// Table buttons `AnNiu(0..8)`: click lock (only element 2, the start button, is tested)
    /// and whether the button shows its hover picture.
    std::array<bool, 9> AnNiuLocked{};
    std::array<bool, 9> AnNiuHover{};
    /// Hover state of the play controls `Operation(0..4)` (element 5 unused).
    std::array<bool, 6> OperationHover{};

    /// Design sizes of the face-down hands of seats 1, 2, 3: four (width, height) pairs each.
    std::array<int, 8> HandBackSize1{};
    std::array<int, 8> HandBackSize2{};
    std::array<int, 8> HandBackSize3{};

    /// Per-seat wealth multiple of the table, 0 for none; written when players take their seats.
    std::array<std::int32_t, 4> SeatWealth{};

    /// VIP badge animation: running flag, per relative seat the frame (1 to 4) and the pump
    /// ticks since the frame last changed.
    bool g_bVipAnim = false;
    std::array<int, 4> VipAnimFrame{};
    std::array<int, 4> VipAnimTicks{};
    /// The three-frame start countdown animation is running.
    bool g_bCountdownAnim = false;

    /// The item plug-in's end-of-hand display state.
    int Prop_EndShowState = 0;
    int Prop_ClosedInShow = 0;

    /// Room base and direction until the server sends the tournament room's own.
    double RoomBase = 0.0;
    int RoomDirection = 0;
};

} // namespace qv
