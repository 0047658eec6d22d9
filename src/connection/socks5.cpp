#include "connection/socks5.h"

#include "common/gbk.h"

#include <QStringList>
#include <QUrl>

namespace qv::connection {
namespace {

constexpr std::uint8_t kVersion = 5;
constexpr std::uint8_t kUserPassVersion = 1;
constexpr std::uint8_t kNoAuth = 0;
constexpr std::uint8_t kCommandConnect = 1;
constexpr std::uint8_t kSucceeded = 0;
constexpr std::uint8_t kAddressIpv4 = 1;
constexpr std::uint8_t kAddressDomain = 3;
constexpr std::uint8_t kAddressIpv6 = 4;
constexpr int kMaxFieldBytes = 255;
constexpr int kIpv4Bytes = 4;
constexpr int kIpv6Bytes = 16;
constexpr int kReplyHeadBytes = 4;
constexpr int kPortBytes = 2;

using Verdict = SocksVerdict::Kind;

void appendByte(QByteArray& bytes, int value) {
    bytes.append(static_cast<char>(static_cast<std::uint8_t>(value)));
}

/// The four octets of a dotted IPv4 address written as such (one to three digits each).
std::optional<QByteArray> ipv4Octets(const QString& host) {
    const QStringList parts = host.split(u'.');
    if (parts.size() != kIpv4Bytes) {
        return std::nullopt;
    }
    QByteArray octets;
    for (const QString& part : parts) {
        bool ok = false;
        const int value = part.toInt(&ok);
        const bool digits =
            std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!ok || !digits || part.isEmpty() || part.size() > 3 || value > kMaxFieldBytes) {
            return std::nullopt;
        }
        appendByte(octets, value);
    }
    return octets;
}

/// A reply of `length` bytes whose first two bytes are `first` and `second`.
SocksVerdict judgeTwoBytes(std::span<const std::uint8_t> reply, std::uint8_t first,
                           bool (*secondOk)(std::uint8_t)) {
    if (!reply.empty() && reply[0] != first) {
        return {Verdict::Refused};
    }
    if (reply.size() < 2) {
        return {Verdict::NeedMore};
    }
    if (!secondOk(reply[1])) {
        return {Verdict::Refused};
    }
    return {Verdict::Accepted, reply[1]};
}

/// The CONNECT reply: version, success, reserved, address type, bound address, bound port.
SocksVerdict judgeConnectReply(std::span<const std::uint8_t> reply) {
    const SocksVerdict head =
        judgeTwoBytes(reply, kVersion, [](std::uint8_t b) { return b == kSucceeded; });
    if (head.kind != Verdict::Accepted) {
        return head;
    }
    if (reply.size() < kReplyHeadBytes) {
        return {Verdict::NeedMore};
    }
    std::size_t length = 0;
    switch (reply[3]) {
    case kAddressIpv4:
        length = kReplyHeadBytes + kIpv4Bytes + kPortBytes;
        break;
    case kAddressIpv6:
        length = kReplyHeadBytes + kIpv6Bytes + kPortBytes;
        break;
    case kAddressDomain:
        if (reply.size() < kReplyHeadBytes + 1) {
            return {Verdict::NeedMore};
        }
        length = kReplyHeadBytes + 1 + reply[kReplyHeadBytes] + kPortBytes;
        break;
    default:
        return {Verdict::Refused};
    }
    return {reply.size() < length ? Verdict::NeedMore : Verdict::Accepted};
}

} // namespace

QByteArray SocksGreeting() {
    return QByteArray::fromHex("05020002");
}

std::optional<QByteArray> SocksUserPassRequest(const QString& user, const QString& password) {
    const auto userBytes = toGbk(user);
    const auto passBytes = toGbk(password);
    if (!userBytes || !passBytes || userBytes->size() > kMaxFieldBytes ||
        passBytes->size() > kMaxFieldBytes) {
        return std::nullopt;
    }
    QByteArray request;
    appendByte(request, kUserPassVersion);
    appendByte(request, static_cast<int>(userBytes->size()));
    request += *userBytes;
    appendByte(request, static_cast<int>(passBytes->size()));
    request += *passBytes;
    return request;
}

std::optional<QByteArray> SocksConnectRequest(const QString& host, int port) {
    QByteArray request;
    appendByte(request, kVersion);
    appendByte(request, kCommandConnect);
    appendByte(request, 0);
    if (const auto octets = ipv4Octets(host)) {
        appendByte(request, kAddressIpv4);
        request += *octets;
    } else {
        const QByteArray name = QUrl::toAce(host);
        if (name.isEmpty() || name.size() > kMaxFieldBytes) {
            return std::nullopt;
        }
        appendByte(request, kAddressDomain);
        appendByte(request, static_cast<int>(name.size()));
        request += name;
    }
    appendByte(request, (port >> 8) & 0xFF);
    appendByte(request, port & 0xFF);
    return request;
}

SocksVerdict JudgeSocksReply(std::uint8_t stage, std::span<const std::uint8_t> reply) {
    switch (stage) {
    case kSocksMethodReply:
        return judgeTwoBytes(reply, kVersion, [](std::uint8_t b) {
            return b == kNoAuth || b == kSocksUserPassMethod;
        });
    case kSocksUserPassReply:
        return judgeTwoBytes(reply, kUserPassVersion,
                             [](std::uint8_t b) { return b == kSucceeded; });
    case kSocksConnectReply:
        return judgeConnectReply(reply);
    default:
        return {Verdict::Refused};
    }
}

} // namespace qv::connection
