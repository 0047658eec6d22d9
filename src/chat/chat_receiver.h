#pragma once

#include "connection/game_message.h"

namespace qv::chat {

/// Where the chat text of a received chat message starts, and its most bytes.
inline constexpr int kChatTextByte = 16;
inline constexpr int kChatTextBytes = 200;

/// The chat's side of a received chat message (command 19) that is not one of the item
/// plug-in's own: `OnChatMessage` shows it.
class ChatReceiver {
public:
    virtual ~ChatReceiver() = default;
    virtual void OnChatMessage(const connection::GameMessage& message) = 0;
};

} // namespace qv::chat
