#include "connection/server_text.h"

#include "common/gbk.h"

namespace qv::connection {
namespace {

constexpr std::uint8_t kLeadByte = 0x80;

/// One character from a byte pair; a pair that is no GBK character reads as U+FFFD.
QChar pairChar(std::uint8_t lead, std::uint8_t trail) {
    QByteArray pair;
    pair.append(static_cast<char>(lead)).append(static_cast<char>(trail));
    const std::optional<QString> text = fromGbk(pair);
    return text && text->size() == 1 ? text->at(0) : QChar(QChar::ReplacementCharacter);
}

/// A lone byte: ASCII as it is, anything above as U+FFFD.
QChar singleChar(std::uint8_t byte) {
    return byte < kLeadByte ? QChar::fromLatin1(static_cast<char>(byte))
                            : QChar(QChar::ReplacementCharacter);
}

} // namespace

QString MixedText(const GameMessage& message, int offset, int length) {
    QString text;
    for (int p = 0; p < length;) {
        const std::uint8_t byte = message.u8(offset + p);
        if (byte == 0) {
            break;
        }
        if (byte >= kLeadByte && p + 1 < length) {
            text.append(pairChar(byte, message.u8(offset + p + 1)));
            p += 2;
        } else {
            text.append(singleChar(byte));
            ++p;
        }
    }
    return text;
}

QString DoubleByteText(const GameMessage& message, int offset, int length) {
    QString text;
    for (int p = 0; p + 1 < length; p += 2) {
        const std::uint8_t lead = message.u8(offset + p);
        if (lead == 0) {
            break;
        }
        text.append(pairChar(lead, message.u8(offset + p + 1)));
    }
    return text;
}

QString MatchText(const GameMessage& message, int offset, int last, int* end) {
    QString text;
    int p = offset;
    while (p <= last) {
        const std::uint8_t byte = message.u8(p);
        if (byte == 0) {
            break;
        }
        if (byte >= kLeadByte && p + 1 < kMessageSize) {
            text.append(pairChar(byte, message.u8(p + 1)));
            p += 2;
        } else {
            text.append(singleChar(byte));
            ++p;
        }
    }
    if (end != nullptr) {
        *end = p;
    }
    return text;
}

QString SingleByteText(const GameMessage& message, int offset, int length) {
    return QString::fromLatin1(message.textField(offset, length));
}

} // namespace qv::connection
