#pragma once

#include "connection/game_message.h"
#include "connection/server_text.h"

#include <QString>

#include <functional>
#include <utility>

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

/// The least the chat does until it is built: the message's text as a system notice.
class LeastChatReceiver final : public ChatReceiver {
public:
    explicit LeastChatReceiver(std::function<void(QString&)> addSystemMessage)
        : addSystemMessage_(std::move(addSystemMessage)) {}
    void OnChatMessage(const connection::GameMessage& message) override {
        QString text = connection::MixedText(message, kChatTextByte, kChatTextBytes);
        addSystemMessage_(text);
    }

private:
    std::function<void(QString&)> addSystemMessage_;
};

} // namespace qv::chat
