#include "connection/message_ring.h"

#include <cassert>

namespace qv::connection {

bool MessageRing::pushByte(std::uint8_t byte) {
    bytes_[static_cast<std::size_t>(writePos_)] = byte;
    writePos_ = (writePos_ + 1) % kSize;
    return writePos_ != readPos_;
}

bool MessageRing::pushMessage(const GameMessage& message) {
    if (waiting() + kMessageSize >= kSize) {
        return false;
    }
    for (const auto byte : message.bytes()) {
        pushByte(byte);
    }
    return true;
}

GameMessage MessageRing::takeMessage() {
    assert(hasMessage());
    GameMessage message;
    for (int i = 0; i < kMessageSize; ++i) {
        message.bytes()[static_cast<std::size_t>(i)] =
            bytes_[static_cast<std::size_t>(readPos_ + i)];
    }
    readPos_ = (readPos_ + kMessageSize) % kSize;
    return message;
}

void MessageRing::untakeMessage() {
    readPos_ = (readPos_ + kSize - kMessageSize) % kSize;
}

} // namespace qv::connection
