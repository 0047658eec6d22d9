#include "chat/chat_frame.h"

#include "connection/commands.h"

namespace qv::chat {

connection::GameMessage ChatMessageFrom(std::uint8_t ownSeat) {
    connection::GameMessage msg;
    msg.setCommand(connection::MsgChat);
    msg.setU8(connection::kSeatMaskByte, ownSeat);
    return msg;
}

} // namespace qv::chat
