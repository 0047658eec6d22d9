#include "chat/chat_state.h"
#include "common/gbk.h"
#include "connection/chat_sub_code.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "hand/hand_state.h"

namespace qv::connection {
namespace {

constexpr int kChatKindByte = 9;
/// The shop order: kind, then goods and amount, 32-bit little-endian.
constexpr int kShopKindByte = 16;
constexpr int kChatTextByte = 16;
constexpr int kChatMaxChars = 100;
constexpr int kChatAccountByte = 217;
// The account field holds 16 bytes; a longer account never reaches the sub-code.
constexpr int kChatAccountEnd = 233;

/// Writes `text` from `offset`, character by character, stopping before a character that would
/// reach `limit`; returns the offset after the last byte written.
int writeCodePageText(GameMessage& msg, int offset, const QString& text, int limit) {
    for (const QChar c : text) {
        const QByteArray bytes = toAnsi(QString(c));
        if (offset + bytes.size() > limit) {
            break;
        }
        msg.writeBytes(offset, bytes);
        offset += static_cast<int>(bytes.size());
    }
    return offset;
}

/// Packs the chat text (and the sender's account for phrases and emoticons) into a chat
/// message; false when there is no text to send.
bool packChat(Connection& conn, GameMessage& msg) {
    const std::uint32_t subCode = ChatSubCode(msg);
    if (IsPluginSubCode(subCode)) {
        return true;
    }
    QString& text = conn.chat.ChatSendText;
    if (text.isEmpty()) {
        return false;
    }
    int end = writeCodePageText(msg, kChatTextByte, text.left(kChatMaxChars), kChatAccountByte);
    const std::uint8_t kind = msg.u8(kChatKindByte);
    if (kind >= 1 && kind <= 3) {
        const int accountEnd =
            writeCodePageText(msg, kChatAccountByte, conn.hand.custom[0].name, kChatAccountEnd);
        if (accountEnd > kChatAccountByte) {
            end = accountEnd;
        }
    }
    msg.zeroFrom(end);
    text.clear();
    return true;
}

void appendToSendRing(Connection& conn, GameMessage& msg) {
    msg.setU8(kSeqNumByte, conn.CurSeqNum[0]);
    msg.setU8(kSeqNumByte + 1, conn.CurSeqNum[1]);
    // A full ring keeps what it holds: the new message is the one that is refused.
    if (conn.SendRing.pushMessage(msg)) {
        conn.slots.arm(kSendSlot);
    }
}

} // namespace

void ResetRings(Connection& conn) {
    conn.RecvRing.reset();
    conn.SendRing.reset();
}

void QueueFrame(Connection& conn, GameMessage& msg) {
    const std::uint8_t command = msg.command();
    if (command == MsgChat && !packChat(conn, msg)) {
        return;
    }
    if (command == MsgCallCard || command == MsgPlayCards) {
        msg.setU8(kTurnTokenByte, conn.TurnToken);
    }
    appendToSendRing(conn, msg);
}

void QueueMatchFrame(Connection& conn, GameMessage& msg) {
    appendToSendRing(conn, msg);
}

void Send93(Connection& conn, std::uint8_t kind, std::int32_t goodsId, std::int32_t amount) {
    GameMessage msg;
    msg.setCommand(MsgShopOrder);
    msg.setU8(kShopKindByte, kind);
    msg.setU32le(kShopKindByte + 1, static_cast<std::uint32_t>(goodsId));
    msg.setU32le(kShopKindByte + 5, static_cast<std::uint32_t>(amount));
    QueueMatchFrame(conn, msg);
}

void TimerKeepAlive_Timer(Connection& conn) {
    GameMessage msg;
    msg.setCommand(MsgKeepAlive);
    msg.setU8(kSeatMaskByte, conn.hand.custom[0].seat);
    QueueFrame(conn, msg);
}

} // namespace qv::connection
