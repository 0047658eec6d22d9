#pragma once

#include "connection/game_message.h"

#include <cstdint>

namespace qv::chat {

/// The chat message's body, byte by byte.
inline constexpr int kChatKindByte = 9;
inline constexpr int kChatTargetByte = 11;
inline constexpr int kChatEmoticonByte = 12;
inline constexpr int kChatVoiceLetterByte = 13;
inline constexpr int kChatPhraseByte = 15;
inline constexpr int kChatAccountByte = 217;
inline constexpr int kChatAccountBytes = 16;

/// The kinds of chat message.
enum ChatKind : std::uint8_t { kTypedText = 0, kPlainPhrase = 1, kVoicedPhrase = 2, kEmoticon = 3 };

/// The letter of the voiced phrases' files.
inline constexpr std::uint8_t kVoiceLetter = 97;

/// A zeroed chat message from the player's seat.
[[nodiscard]] connection::GameMessage ChatMessageFrom(std::uint8_t ownSeat);

} // namespace qv::chat
