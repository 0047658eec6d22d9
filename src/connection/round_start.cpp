#include "connection/round_start.h"

#include "common/gbk.h"
#include "common/vb_text.h"

namespace qv::connection {
namespace {

constexpr int kCardCountByte = 8;
constexpr int kTurnTimeByte = 12;
constexpr int kBankerByte = 15;
constexpr int kDealtFirstCardByte = 16;
constexpr int kDealtCardBytes = 4;
constexpr int kNoteByte = 235;
constexpr int kNoteEnd = 256;
constexpr std::uint8_t kBankerMask = 0x0F;
constexpr std::uint8_t kGbkLeadByte = 0x80;

} // namespace

QString RoundNoteText(const GameMessage& msg) {
    QByteArray bytes;
    for (int i = kNoteByte; i < kNoteEnd;) {
        const std::uint8_t byte = msg.u8(i);
        if (byte == 0) {
            break;
        }
        const int width = byte >= kGbkLeadByte ? 2 : 1;
        for (int k = 0; k < width; ++k) {
            bytes.append(static_cast<char>(msg.u8(i + k)));
        }
        i += width;
    }
    QString text = fromGbkLenient(bytes);
    if (const qsizetype end = text.indexOf(QChar(0)); end >= 0) {
        text.truncate(end);
    }
    return vbTrim(text);
}

RoundStart DecodeRoundStart(const GameMessage& msg) {
    RoundStart start;
    start.cardCount = msg.u8(kCardCountByte);
    start.turnTime = msg.u8(kTurnTimeByte);
    start.banker = static_cast<std::uint8_t>(msg.u8(kBankerByte) & kBankerMask);
    if (start.fullHand()) {
        for (int i = 0; i < kFullHand; ++i) {
            start.cards.push_back(
                static_cast<rules::CardCode>(msg.u32le(kDealtFirstCardByte + kDealtCardBytes * i)));
        }
    }
    start.roundNote = RoundNoteText(msg);
    start.threadIndex = msg.u32le(kThreadIndexByte);
    return start;
}

} // namespace qv::connection
