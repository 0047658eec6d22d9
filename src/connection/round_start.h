#pragma once

#include "connection/game_message.h"
#include "rules/card_code.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace qv::connection {

/// The number of cards of a full hand; only a full hand resets the table and deals.
inline constexpr int kFullHand = 27;

/// A round start (command 1), read and checked before anything changes.
struct RoundStart {
    /// Byte 8 as sent.
    std::uint8_t cardCount = 0;
    /// The player's cards in the order of the message; filled only for a full hand.
    std::vector<rules::CardCode> cards;
    /// Seconds per turn and per call.
    std::uint8_t turnTime = 0;
    /// The banker's seat mask, the low four bits of its byte: 1, 2, 4 or 8 from a sound server;
    /// any other value is read as seat masks are (`IntLog2`), so the hand still starts.
    std::uint8_t banker = 0;
    /// The round note up to its first zero byte, spaces trimmed.
    QString roundNote;
    /// Sent back as the same four bytes in the reconnect request.
    std::uint32_t threadIndex = 0;

    [[nodiscard]] bool fullHand() const { return cardCount == kFullHand; }
};

/// Reads a round start.
/// Card codes are taken as sent, so an index byte of 128 or more keeps its bit pattern.
[[nodiscard]] RoundStart DecodeRoundStart(const GameMessage& msg);

/// The round note of bytes 235 to 255: one- and two-byte characters, a lead byte in byte 255
/// taking byte 256 as its second; the text ends at its first zero byte.
[[nodiscard]] QString RoundNoteText(const GameMessage& msg);

} // namespace qv::connection
