#include "connection/game_message.h"

#include <limits>

namespace qv::connection {

GameMessage GameMessage::fromBytes(const QByteArray& bytes) {
    if (bytes.size() != kMessageSize) {
        throw MessageError("a message is 272 bytes");
    }
    GameMessage message;
    for (int i = 0; i < kMessageSize; ++i) {
        message.bytes_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes[i]);
    }
    return message;
}

QByteArray GameMessage::toByteArray() const {
    return {reinterpret_cast<const char*>(bytes_.data()), kMessageSize};
}

void GameMessage::check(int offset, int width) {
    if (offset < 0 || width < 0 || offset > kMessageSize - width) {
        throw MessageError("field outside the message");
    }
}

std::uint8_t GameMessage::u8(int offset) const {
    check(offset, 1);
    return bytes_[static_cast<std::size_t>(offset)];
}

void GameMessage::setU8(int offset, std::uint8_t value) {
    check(offset, 1);
    bytes_[static_cast<std::size_t>(offset)] = value;
}

std::uint16_t GameMessage::u16le(int offset) const {
    check(offset, 2);
    return static_cast<std::uint16_t>(u8(offset) | (u8(offset + 1) << 8));
}

void GameMessage::setU16le(int offset, std::uint16_t value) {
    check(offset, 2);
    setU8(offset, static_cast<std::uint8_t>(value & 0xFFU));
    setU8(offset + 1, static_cast<std::uint8_t>(value >> 8));
}

std::uint32_t GameMessage::u32le(int offset) const {
    check(offset, 4);
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | u8(offset + i);
    }
    return value;
}

void GameMessage::setU32le(int offset, std::uint32_t value) {
    check(offset, 4);
    for (int i = 0; i < 4; ++i) {
        setU8(offset + i, static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::uint32_t GameMessage::u32be(int offset) const {
    check(offset, 4);
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        value = (value << 8) | u8(offset + i);
    }
    return value;
}

void GameMessage::setU32be(int offset, std::uint32_t value) {
    check(offset, 4);
    for (int i = 0; i < 4; ++i) {
        setU8(offset + i, static_cast<std::uint8_t>(value >> (8 * (3 - i))));
    }
}

std::int64_t GameMessage::signedAmount(int magnitudeOffset, int signOffset) const {
    check(magnitudeOffset, 8);
    std::uint64_t magnitude = 0;
    for (int i = 7; i >= 0; --i) {
        magnitude = (magnitude << 8) | u8(magnitudeOffset + i);
    }
    if (magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        throw MessageError("amount outside the signed 64-bit range");
    }
    const auto value = static_cast<std::int64_t>(magnitude);
    switch (u8(signOffset)) {
    case 1:
        return value;
    case 2:
        return -value;
    default:
        throw MessageError("amount sign is neither 1 nor 2");
    }
}

QByteArray GameMessage::textField(int offset, int maxBytes) const {
    check(offset, maxBytes);
    QByteArray text;
    for (int i = offset; i < offset + maxBytes && bytes_[static_cast<std::size_t>(i)] != 0; ++i) {
        text.append(static_cast<char>(bytes_[static_cast<std::size_t>(i)]));
    }
    return text;
}

void GameMessage::writeBytes(int offset, const QByteArray& bytes) {
    check(offset, static_cast<int>(bytes.size()));
    for (int i = 0; i < bytes.size(); ++i) {
        bytes_[static_cast<std::size_t>(offset + i)] = static_cast<std::uint8_t>(bytes[i]);
    }
}

void GameMessage::zeroFrom(int from) {
    check(from, 0);
    for (int i = from; i < kMessageSize; ++i) {
        bytes_[static_cast<std::size_t>(i)] = 0;
    }
}

} // namespace qv::connection
