#include "chat/chat_sending.h"

#include "chat/chat_context.h"
#include "chat/chat_frame.h"
#include "chat/plugin_calls.h"
#include "chat/talk_window.h"
#include "common/vb_text.h"
#include "forms/form_host.h"
#include "table/main_form.h"

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

constexpr int kEnter = 13;
constexpr int kBackspace = 8;
constexpr int kF1 = 112;
constexpr int kF6 = 117;
constexpr int kMostLogLines = 100;

const QString kPublicSaid = u"说道： "_s;

/// Nothing to send: no text, or nothing but spaces around the private prefix (or around
/// nothing at all).
bool nothingToSend(const ChatState& chat) {
    return chat.ChatSendText.isEmpty() || vbTrim(chat.ChatSendText) == chat.ChatTargetPrefix;
}

/// Composes the typed text of the chat box into `msg`: privately when the prefix stands in it.
/// The prefix is cut where it stands, so text typed before it is kept whole.
void composeTyped(ChatContext& ctx, connection::GameMessage& msg) {
    ChatState& chat = ctx.chat;
    const bool toPartner = HoldsPrivatePrefix(ctx, chat.ChatSendText);
    QString body = chat.ChatSendText;
    if (toPartner) {
        body.remove(body.indexOf(chat.ChatTargetPrefix), chat.ChatTargetPrefix.size());
    }
    ComposeChatText(ctx, msg, body, toPartner);
}

/// The flood notice: only when there was text, which is dropped.
void refuseTooFast(ChatContext& ctx) {
    forms::TextBox& box = ctx.form.Chat;
    if (box.text().isEmpty()) {
        return;
    }
    forms::ListBox& log = TalkLog(ctx);
    log.addItem(u"（发送消息太快！）"_s);
    box.setText(QString());
    log.setTopIndex(log.listCount() - 1);
}

void sendOnEnter(ChatContext& ctx) {
    ChatState& chat = ctx.chat;
    if (!chat.ChatReady) {
        refuseTooFast(ctx);
        return;
    }
    chat.ChatReady = false;
    ctx.form.TimerChat.setEnabled(true);
    connection::GameMessage msg = ChatMessageFrom(ctx.hand.custom[0].seat);
    chat.ChatSendText = ctx.form.Chat.text();
    if (nothingToSend(chat)) {
        return;
    }
    composeTyped(ctx, msg);
    chat.ChatTargetPrefix.clear();
    ctx.form.Chat.setText(QString());
    connection::QueueFrame(ctx.conn, msg);
}

} // namespace

bool HoldsPrivatePrefix(const ChatContext& ctx, const QString& text) {
    const QString& prefix = ctx.chat.ChatTargetPrefix;
    return !prefix.isEmpty() && text.contains(prefix);
}

void ComposeChatText(ChatContext& ctx, connection::GameMessage& msg, const QString& body,
                     bool toPartner) {
    ChatState& chat = ctx.chat;
    const QString& nickname = ctx.conn.Detail[0].username;
    if (!toPartner) {
        chat.ChatSendText = nickname + kPublicSaid + body;
        return;
    }
    msg.setU8(kChatTargetByte, chat.ChatTargetSeat);
    // A partner without a seat mask is told in public, with both names in the text.
    chat.ChatSendText =
        chat.ChatTargetSeat == 0 ? nickname + chat.ChatTargetPrefix.mid(1) + body : body;
}

void Chat_KeyPress(ChatContext& ctx, int& keyAscii) {
    if (!ctx.conn.g_bLoggedIn) {
        return;
    }
    forms::ListBox& log = TalkLog(ctx);
    if (log.listCount() > kMostLogLines) {
        log.clear();
    }
    ChatState& chat = ctx.chat;
    if (keyAscii == kEnter && !ctx.conn.commandLine.g_bSpectator) {
        sendOnEnter(ctx);
    } else if (keyAscii == kBackspace && !chat.ChatTargetPrefix.isEmpty()) {
        chat.ChatSavedText = ctx.form.Chat.text();
        if (ctx.form.Chat.selStart() <= chat.ChatTargetPrefix.size()) {
            chat.ChatPrefixCut = true;
        }
    }
}

void Chat_Change(ChatContext& ctx) {
    ChatState& chat = ctx.chat;
    if (!chat.ChatPrefixCut) {
        return;
    }
    chat.ChatPrefixCut = false;
    const QString typed = chat.ChatSavedText.mid(chat.ChatTargetPrefix.size());
    chat.ChatTargetPrefix.clear();
    chat.ChatTargetSeat = 0;
    chat.ChatTypedText.clear();
    ctx.form.Chat.setText(typed);
    ctx.form.Chat.setSelStart(static_cast<int>(typed.size()));
}

void Chat_KeyDown(ChatContext& ctx, int keyCode, int /*shift*/) {
    if (keyCode >= kF1 && keyCode <= kF6) {
        SetKeyDown(ctx.plugin, keyCode);
    }
    if (keyCode == kF1) {
        ctx.bossKey.Press(table::BossKeyFrom::ChatBox);
    }
}

void Chat_GotFocus(ChatContext& ctx) {
    ctx.chat.ChatHasFocus = true;
}

void Chat_LostFocus(ChatContext& ctx) {
    ctx.chat.ChatHasFocus = false;
}

void Tou_Click(ChatContext& ctx, int index) {
    if (!ctx.conn.g_bLoggedIn || index < 1 || index > 3) {
        return;
    }
    const auto seat = static_cast<std::size_t>(index);
    const QString& nickname = ctx.conn.Detail[seat].username;
    if (nickname.isEmpty()) {
        return;
    }
    ChatState& chat = ctx.chat;
    forms::TextBox& box = ctx.form.Chat;
    chat.ChatTypedText = box.text();
    chat.ChatTargetSeat = ctx.hand.custom[seat].seat;
    if (!box.text().isEmpty() && chat.ChatTypedText.contains(chat.ChatTargetPrefix)) {
        chat.ChatTypedText = chat.ChatTypedText.mid(chat.ChatTargetPrefix.size());
    }
    chat.ChatTargetPrefix = u"你对"_s + nickname + u"说 ："_s;
    box.setText(chat.ChatTargetPrefix + chat.ChatTypedText);
    box.setSelStart(static_cast<int>(box.text().size()));
    box.setFocus();
}

void TimerChat_Timer(ChatContext& ctx) {
    ctx.form.TimerChat.setEnabled(false);
    ctx.chat.ChatReady = true;
}

void SendFromChatBox(ChatContext& ctx) {
    if (!ctx.conn.g_bLoggedIn) {
        return;
    }
    ChatState& chat = ctx.chat;
    connection::GameMessage msg = ChatMessageFrom(ctx.hand.custom[0].seat);
    chat.ChatSendText = ctx.form.Chat.text();
    ctx.form.Chat.setText(QString());
    if (nothingToSend(chat)) {
        return;
    }
    composeTyped(ctx, msg);
    chat.ChatTargetPrefix.clear();
    connection::QueueFrame(ctx.conn, msg);
}

void TableChatSender::SendFromChatBox() {
    if (ChatContext* ctx = table_()) {
        chat::SendFromChatBox(*ctx);
    }
}

} // namespace qv::chat
