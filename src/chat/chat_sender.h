#pragma once

namespace qv::chat {

/// The chat's side of the table's send button: the chat box's text goes out.
class ChatSender {
public:
    virtual ~ChatSender() = default;
    virtual void SendFromChatBox() = 0;
};

} // namespace qv::chat
