#pragma once

#include "chat/chat_message.h"
#include "chat/chat_receiver.h"

#include <functional>

namespace qv::chat {

struct ChatContext;

/// Shows a received chat message: a line in the log and the ticker with the players'
/// nicknames (the player's own as "你"), filtered, or a quick phrase with its voice and bubble,
/// or an emoticon over the sender's seat. Received text is shown as it stands, never read as
/// markup.
void OnChatMessage(ChatContext& ctx, const ReceivedChat& message);

/// The chat's receiver on the table window; nothing while there is no table window.
class TableChatReceiver final : public ChatReceiver {
public:
    explicit TableChatReceiver(std::function<ChatContext*()> table) : table_(std::move(table)) {}
    void OnChatMessage(const connection::GameMessage& message) override;

private:
    std::function<ChatContext*()> table_;
};

} // namespace qv::chat
