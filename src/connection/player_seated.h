#pragma once

#include "connection/game_message.h"
#include "connection/player_detail.h"

#include <cstdint>

namespace qv::connection {

/// A seating message (command 20), read and checked before anything changes.
struct PlayerSeated {
    /// The receiving player's own seat mask (byte 6), or 0 when it names no single seat.
    std::uint8_t ownSeat = 0;
    /// The seated player's seat mask: 1, 2, 4 or 8.
    std::uint8_t seat = 0;
    PlayerDetail detail;
    /// The ready mark is to be shown; otherwise it stays as it is.
    bool ready = false;
    /// The seated player's wealth multiple, 0 for none.
    std::int32_t wealthMultiple = 0;
    /// Byte 255 is 0: the item plug-in may be used at this table.
    bool pluginAllowed = false;
};

/// Reads a seating message; a seat that is not one of the four masks is a `MessageError`.
[[nodiscard]] PlayerSeated DecodePlayerSeated(const GameMessage& msg);

/// The display seat of `seatMask` for a player sitting at `ownSeatMask`: 0 for himself, then
/// 1, 2, 3 in seat order.
[[nodiscard]] int DisplaySeat(std::uint8_t seatMask, std::uint8_t ownSeatMask);

/// The ready-mark tier of a player's coins: 0 below 20000, 1 below 60000, else 2.
[[nodiscard]] int ReadyTier(double coins);

/// The head picture (0..9 men, 10..19 women) of a face code: "m1".."m10" and "w1".."w10". A code
/// whose number does not read as one of those takes the ready-mark tier, a lower-case "w" adding
/// 10 as for the others.
[[nodiscard]] int HeadPictureIndex(const QString& face, int tier);

} // namespace qv::connection
