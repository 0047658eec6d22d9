#include "chat/chat_message.h"

#include "chat/chat_frame.h"
#include "chat/chat_receiver.h"
#include "connection/server_text.h"

namespace qv::chat {
namespace {

constexpr std::uint8_t kSeatBits = 0x0F;

} // namespace

std::optional<ReceivedChat> DecodeChatMessage(const connection::GameMessage& msg) {
    ReceivedChat chat;
    chat.account = connection::SingleByteText(msg, kChatAccountByte, kChatAccountBytes);
    chat.sender = msg.u8(connection::kSeatMaskByte) & kSeatBits;
    chat.kind = msg.u8(kChatKindByte);
    chat.target = msg.u8(kChatTargetByte);
    chat.emoticon = msg.u8(kChatEmoticonByte);
    chat.voiceLetter = msg.u8(kChatVoiceLetterByte);
    chat.phrase = msg.u8(kChatPhraseByte);
    chat.text = connection::MixedText(msg, kChatTextByte, kChatTextBytes);
    return chat;
}

} // namespace qv::chat
