#pragma once

#include "chat/chat_sender.h"
#include "connection/game_message.h"

#include <QString>

#include <functional>
#include <utility>

namespace qv::chat {

struct ChatContext;

// The chat box `Chat` under the table and the head pictures that choose a private partner.

/// Enter sends (at most one message per flood pause; never in watch mode); Backspace at or
/// inside the private prefix arms its removal. Nothing at all before the login.
void Chat_KeyPress(ChatContext& ctx, int& keyAscii);
/// Completes the removal of the private prefix armed by Backspace, keeping the typed text.
void Chat_Change(ChatContext& ctx);
/// F1 to F6 to the item plug-in; F1 is also the boss key.
void Chat_KeyDown(ChatContext& ctx, int keyCode, int shift);
void Chat_GotFocus(ChatContext& ctx);
void Chat_LostFocus(ChatContext& ctx);
/// A click on head picture `index` chooses that seat's player as the private partner.
void Tou_Click(ChatContext& ctx, int index);
/// Ends the flood pause.
void TimerChat_Timer(ChatContext& ctx);
/// The send button: the chat box's text goes without the flood limit, also in watch mode.
void SendFromChatBox(ChatContext& ctx);

/// Fills the chat text and target of `msg` around `body`: privately to the partner when
/// `toPartner`, else publicly with the own nickname before it.
void ComposeChatText(ChatContext& ctx, connection::GameMessage& msg, const QString& body,
                     bool toPartner);
/// Whether the private prefix stands in `text` (the chat box's text).
[[nodiscard]] bool HoldsPrivatePrefix(const ChatContext& ctx, const QString& text);

/// The send button's chat on the table window; nothing while there is no table window.
class TableChatSender final : public ChatSender {
public:
    explicit TableChatSender(std::function<ChatContext*()> table) : table_(std::move(table)) {}
    void SendFromChatBox() override;

private:
    std::function<ChatContext*()> table_;
};

} // namespace qv::chat
