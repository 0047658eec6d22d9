#pragma once

#include "connection/game_message.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace qv::chat {

/// A received chat message as the table shows it.
struct ReceivedChat {
    /// The sender's account (phrases and emoticons carry it), at most 16 characters.
    QString account;
    /// The sender's seat mask, 0 for a line without a sender.
    std::uint8_t sender = 0;
    std::uint8_t kind = 0;
    /// The private partner's seat mask, 0 for everybody.
    std::uint8_t target = 0;
    std::uint8_t emoticon = 0;
    std::uint8_t voiceLetter = 0;
    std::uint8_t phrase = 0;
    QString text;

    friend bool operator==(const ReceivedChat&, const ReceivedChat&) = default;
};

/// Reads a chat message; every field fits, so every message reads.
[[nodiscard]] std::optional<ReceivedChat> DecodeChatMessage(const connection::GameMessage& msg);

} // namespace qv::chat
