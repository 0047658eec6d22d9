#include "connection/message_ring.h"

#include <cassert>
#include <cstdlib>
#include <cstring>
#include <new>

namespace qv::connection {

namespace {

std::uint8_t* zeroedRing() {
    auto* bytes = static_cast<std::uint8_t*>(std::calloc(MessageRing::kSize, 1));
    if (bytes == nullptr) {
        throw std::bad_alloc();
    }
    return bytes;
}

} // namespace

void MessageRing::Free::operator()(std::uint8_t* bytes) const {
    std::free(bytes);
}

MessageRing::MessageRing() : bytes_(zeroedRing()) {}

MessageRing::MessageRing(const MessageRing& other)
    : bytes_(zeroedRing()), readPos_(other.readPos_), writePos_(other.writePos_) {
    std::memcpy(bytes_.get(), other.bytes_.get(), kSize);
}

MessageRing& MessageRing::operator=(const MessageRing& other) {
    if (this != &other) {
        std::memcpy(bytes_.get(), other.bytes_.get(), kSize);
        readPos_ = other.readPos_;
        writePos_ = other.writePos_;
    }
    return *this;
}

bool operator==(const MessageRing& a, const MessageRing& b) {
    return a.readPos_ == b.readPos_ && a.writePos_ == b.writePos_ &&
           std::memcmp(a.bytes_.get(), b.bytes_.get(), MessageRing::kSize) == 0;
}

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
