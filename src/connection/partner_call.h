#pragma once

#include "connection/game_message.h"

#include <cstdint>

namespace qv::connection {

/// A partner call announced (command 2): who called and which card.
struct PartnerCall {
    /// The caller's seat mask as sent.
    std::uint8_t caller = 0;
    std::uint8_t face = 0;
    std::uint8_t suit = 0;

    /// The called card as face * 256 + suit flag, without a deck index.
    [[nodiscard]] std::int32_t calledCard() const { return face * 256 + suit; }
};

/// Reads a partner call. Every value is taken as sent: the picture it names may not exist, and
/// then only the picture stays as it was.
[[nodiscard]] PartnerCall DecodePartnerCall(const GameMessage& msg);

} // namespace qv::connection
