#include "connection/player_seated.h"

#include "common/general.h"

#include <optional>

namespace qv::connection {
namespace {

constexpr int kOwnSeatByte = 6;
constexpr int kReadyByte = 208;
constexpr int kSeatByte = 226;
constexpr int kWealthByte = 234;
constexpr int kPluginByte = 255;
constexpr std::uint8_t kSeatMask = 0x0F;
constexpr int kHeadsPerSex = 10;

bool isSeatMask(std::uint8_t mask) {
    return mask == 1 || mask == 2 || mask == 4 || mask == 8;
}

/// The digit at `pos` (0-based) of the code, or nothing.
std::optional<int> digitAt(const QString& code, qsizetype pos) {
    const QChar ch = code.at(pos);
    if (ch < u'0' || ch > u'9') {
        return std::nullopt;
    }
    return ch.unicode() - u'0';
}

/// The number of the face code, minus one; nothing when it does not read.
std::optional<int> faceNumber(const QString& face) {
    if (face.size() == 2) {
        if (const auto ones = digitAt(face, 1)) {
            return *ones - 1;
        }
    } else if (face.size() == 3) {
        const auto tens = digitAt(face, 1);
        const auto ones = digitAt(face, 2);
        if (tens && ones) {
            return 10 * *tens + *ones - 1;
        }
    }
    return std::nullopt;
}

} // namespace

PlayerSeated DecodePlayerSeated(const GameMessage& msg) {
    PlayerSeated seated;
    const auto own = static_cast<std::uint8_t>(msg.u8(kOwnSeatByte) & kSeatMask);
    seated.ownSeat = isSeatMask(own) ? own : 0;
    seated.seat = static_cast<std::uint8_t>(msg.u8(kSeatByte) & kSeatMask);
    if (!isSeatMask(seated.seat)) {
        throw MessageError("seated player without a seat");
    }
    DecodePlayerDetail(seated.detail, msg);
    seated.ready = msg.u8(kReadyByte) == 1;
    seated.wealthMultiple = static_cast<std::int32_t>(msg.u32le(kWealthByte));
    seated.pluginAllowed = msg.u8(kPluginByte) == 0;
    return seated;
}

int DisplaySeat(std::uint8_t seatMask, std::uint8_t ownSeatMask) {
    return (IntLog2(seatMask) + 4 - IntLog2(ownSeatMask)) % 4;
}

int ReadyTier(double coins) {
    if (coins < 20000) {
        return 0;
    }
    return coins < 60000 ? 1 : 2;
}

int HeadPictureIndex(const QString& face, int tier) {
    int index = tier;
    if (const auto number = faceNumber(face); number && *number >= 0) {
        index = *number >= kHeadsPerSex ? 0 : *number;
    }
    if (face.startsWith(u'w')) {
        index += kHeadsPerSex;
    }
    return index;
}

} // namespace qv::connection
