#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace qv::hand {

/// One seat's record; seat 0 is the player.
struct PlayerInfo {
    /// The seated player's account.
    QString name;
    /// The seat as the bit 1, 2, 4 or 8; 0 until the first seating message.
    std::uint8_t seat = 0;

    friend bool operator==(const PlayerInfo&, const PlayerInfo&) = default;
};

/// The hand's state: the four seats' records. The connection writes the player's own name and
/// seat.
struct HandState {
    std::array<PlayerInfo, 4> custom;

    friend bool operator==(const HandState&, const HandState&) = default;
};

} // namespace qv::hand
