#include "connection/login_buffer.h"

#include "connection/commands.h"

namespace qv::connection {
namespace {

constexpr char16_t kEuroSign = 0x20AC;
constexpr std::uint8_t kEuroByte = 0x80;
constexpr int kLoginFlagByte = 14;

bool fitsBefore(int offset, const QByteArray& text) {
    return offset + text.size() <= kSeqNumByte;
}

} // namespace

std::optional<QByteArray> singleByteText(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            bytes.append(static_cast<char>(c.unicode()));
        } else if (c.unicode() == kEuroSign) {
            bytes.append(static_cast<char>(kEuroByte));
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

std::optional<GameMessage> BuildLoginBuffer(const QString& userName, const QString& credential) {
    const auto user = singleByteText(userName);
    const auto code = singleByteText(credential);
    if (!user || !code || !fitsBefore(kLoginUserByte, *user) ||
        !fitsBefore(kLoginCredentialByte, *code)) {
        return std::nullopt;
    }
    GameMessage login;
    login.setCommand(MsgLogin);
    login.setU8(kLoginFlagByte, 1);
    login.writeBytes(kLoginUserByte, *user);
    login.writeBytes(kLoginCredentialByte, *code);
    return login;
}

} // namespace qv::connection
