#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>

namespace qv::connection {

/// The stages of the proxy exchange (`SocksStage`): 0 proxy reached; 1 greeting to send, 2 its
/// reply awaited; 3 user name and password to send, 4 their reply awaited; 5 CONNECT to send,
/// 6 its reply awaited (and the value left after success).
inline constexpr std::uint8_t kSocksGreeting = 1;
inline constexpr std::uint8_t kSocksMethodReply = 2;
inline constexpr std::uint8_t kSocksUserPass = 3;
inline constexpr std::uint8_t kSocksUserPassReply = 4;
inline constexpr std::uint8_t kSocksConnect = 5;
inline constexpr std::uint8_t kSocksConnectReply = 6;

/// The method a proxy picks for user name and password.
inline constexpr std::uint8_t kSocksUserPassMethod = 2;

/// 05 02 00 02: version 5 offering no authentication and user name/password.
QByteArray SocksGreeting();
/// 01, ULEN, user, PLEN, password, both in the system code page (GBK) with their byte lengths;
/// nothing when a text has no GBK form or more than 255 bytes.
std::optional<QByteArray> SocksUserPassRequest(const QString& user, const QString& password);
/// 05 01 00, then address type 1 with four octets for a dotted IPv4 address, or address type 3
/// with the length and the name for anything else, then the port high byte first; nothing for an
/// empty name or one longer than 255 bytes.
std::optional<QByteArray> SocksConnectRequest(const QString& host, int port);

/// What the bytes received so far say about the reply a stage awaits.
struct SocksVerdict {
    enum class Kind : std::uint8_t { NeedMore, Accepted, Refused };
    Kind kind = Kind::NeedMore;
    /// The method the proxy chose (stage 2, accepted).
    std::uint8_t method = 0;

    friend bool operator==(const SocksVerdict&, const SocksVerdict&) = default;
};

/// Judges the reply of `stage` from its first byte on. A reply is accepted only once all of it
/// has arrived (two bytes for the method and user/password replies; 4 + address + 2 for the
/// CONNECT reply by its address type), and refused as soon as a byte that decides it is wrong.
/// Stages that await no reply refuse every byte.
SocksVerdict JudgeSocksReply(std::uint8_t stage, std::span<const std::uint8_t> reply);

} // namespace qv::connection
