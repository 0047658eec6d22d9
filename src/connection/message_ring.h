#pragma once

#include "connection/game_message.h"

#include <array>
#include <cstdint>
#include <memory>

namespace qv::connection {

/// A byte ring of exactly 512 messages. Writers append byte by byte and wrap; the reader takes
/// whole messages, so its position stays a multiple of 272 and a message never straddles the end.
/// Equal positions mean an empty ring.
class MessageRing {
public:
    static constexpr int kSize = 0x22000;

    MessageRing();
    MessageRing(const MessageRing& other);
    MessageRing& operator=(const MessageRing& other);
    ~MessageRing() = default;

    /// Bytes waiting to be read.
    [[nodiscard]] int waiting() const { return (writePos_ + kSize - readPos_) % kSize; }
    [[nodiscard]] bool empty() const { return writePos_ == readPos_; }
    [[nodiscard]] bool hasMessage() const { return waiting() >= kMessageSize; }
    [[nodiscard]] int readPos() const { return readPos_; }
    [[nodiscard]] int writePos() const { return writePos_; }

    void reset() { readPos_ = writePos_ = 0; }
    /// Forgets the bytes after the last whole message, those of a message cut off.
    void dropCutMessage() {
        writePos_ = (readPos_ + waiting() / kMessageSize * kMessageSize) % kSize;
    }

    /// Appends one byte; false when the write position has caught up with the read position,
    /// which means the ring was overrun.
    bool pushByte(std::uint8_t byte);
    /// Appends a whole message only when it fits without meeting the read position; false and
    /// the ring unchanged otherwise.
    bool pushMessage(const GameMessage& message);
    /// Takes the next message; call only while `hasMessage()`.
    GameMessage takeMessage();
    /// Puts the last taken message back at the head of the ring.
    void untakeMessage();

    friend bool operator==(const MessageRing& a, const MessageRing& b);

private:
    struct Free {
        void operator()(std::uint8_t* bytes) const;
    };
    // Zeroed by the system, which hands out such pages untouched: a ring costs memory only as
    // far as it has been written.
    std::unique_ptr<std::uint8_t[], Free> bytes_;
    int readPos_ = 0;
    int writePos_ = 0;
};

/// The small ring the SOCKS5 proxy's replies go to.
struct ProxyReplyRing {
    static constexpr int kSize = 1024;
    std::array<std::uint8_t, kSize> bytes{};
    int ProxyReplyWritePos = 0;
    int ProxyReplyReadPos = 0;

    friend bool operator==(const ProxyReplyRing&, const ProxyReplyRing&) = default;
};

} // namespace qv::connection
