#pragma once

#include <QByteArray>

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace qv::connection {

/// Size of every message on the game connection, in both directions.
inline constexpr int kMessageSize = 272;

/// Wire offsets shared by every command.
inline constexpr int kCommandByte = 3;
inline constexpr int kSeatMaskByte = 6;
inline constexpr int kTurnTokenByte = 7;
inline constexpr int kCountdownByte = 255;
inline constexpr int kSeqNumByte = 260;
inline constexpr int kThreadIndexByte = 268;

/// A message whose bytes do not fit what the reader expects (an offset, index or count out of
/// range, a value that overflows its type). Handlers throw it; the dispatcher drops the message.
class MessageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The fixed 272-byte message, indexed by wire offset. Every accessor checks its range, so a
/// field computed from message bytes can never read or write outside the message.
class GameMessage {
public:
    using Bytes = std::array<std::uint8_t, kMessageSize>;

    GameMessage() = default;
    explicit GameMessage(const Bytes& bytes) : bytes_(bytes) {}
    /// Takes exactly 272 bytes; anything else is a `MessageError`.
    static GameMessage fromBytes(const QByteArray& bytes);

    [[nodiscard]] const Bytes& bytes() const { return bytes_; }
    [[nodiscard]] Bytes& bytes() { return bytes_; }
    [[nodiscard]] QByteArray toByteArray() const;

    [[nodiscard]] std::uint8_t command() const { return bytes_[kCommandByte]; }
    void setCommand(std::uint8_t command) { bytes_[kCommandByte] = command; }

    [[nodiscard]] std::uint8_t u8(int offset) const;
    void setU8(int offset, std::uint8_t value);
    [[nodiscard]] std::uint16_t u16le(int offset) const;
    void setU16le(int offset, std::uint16_t value);
    [[nodiscard]] std::uint32_t u32le(int offset) const;
    void setU32le(int offset, std::uint32_t value);
    [[nodiscard]] std::uint32_t u32be(int offset) const;
    void setU32be(int offset, std::uint32_t value);
    /// An 8-byte little-endian magnitude with a separate sign byte (1 plus, 2 minus); a magnitude
    /// above the signed 64-bit range or another sign value is a `MessageError`.
    [[nodiscard]] std::int64_t signedAmount(int magnitudeOffset, int signOffset) const;

    /// The bytes of a text field from `offset`, ended by the first zero byte or by the field's
    /// end after `maxBytes` bytes.
    [[nodiscard]] QByteArray textField(int offset, int maxBytes) const;
    /// Copies `bytes` from `offset`; they must fit inside the message.
    void writeBytes(int offset, const QByteArray& bytes);
    /// Zero bytes from `from` to the end of the message.
    void zeroFrom(int from);

    friend bool operator==(const GameMessage&, const GameMessage&) = default;

private:
    static void check(int offset, int width);
    Bytes bytes_{};
};

} // namespace qv::connection
