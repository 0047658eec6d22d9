#pragma once

#include "connection/game_message.h"

#include <QString>

#include <array>
#include <cstdint>

namespace qv::connection {

/// What the server tells about one seated player; four of them in `Detail`, one per display
/// seat, element 0 the player himself.
struct PlayerDetail {
    /// The nickname.
    QString username;
    /// The face code that picks the head picture ("m1" when the server sends none).
    QString face;
    /// 0 female, anything else male.
    std::uint8_t sex = 0;
    QString location;
    double score = 0;
    /// 0 to 6, named by `MembershipName`.
    double memberLevel = 0;
    double coins = 0;
    double spare1 = 0;
    QString levelName;
    double spare2 = 0;
    double spare3 = 0;
    /// Divided by 65536 it is the room key of the chip table.
    double roomInfo = 0;
    std::int32_t logins = 0;
    std::int32_t disconnects = 0;
    std::int32_t wins = 0;
    std::int32_t losses = 0;
    /// The account the player logs in with.
    QString account;
    /// Shown in brackets before the nickname.
    QString nameTag;
    QString voiceSet;
    QString voiceId;
    /// Not on the wire: 2 for a woman, 3 for a man, set when the voices are handed out.
    std::uint8_t voiceKind = 0;
    /// Its first byte is the seated player's seat mask.
    double seatCode = 0;
    /// 0 to 6 colour the nickname, 1 to 6 show a badge.
    std::int16_t vip = 0;

    friend bool operator==(const PlayerDetail&, const PlayerDetail&) = default;
};

/// The names of the membership levels 0 to 6.
inline const std::array<QString, 7> kMembershipNames = {
    QStringLiteral("非会员"),   QStringLiteral("初级会员"), QStringLiteral("高级会员"),
    QStringLiteral("白银会员"), QStringLiteral("黄金会员"), QStringLiteral("铂金会员"),
    QStringLiteral("钻石会员")};

/// The name of membership level `level`; empty outside 0 to 6.
[[nodiscard]] QString MembershipName(double level);

/// Fills every field of `Dinfo` but `voiceKind` from a seating message, so nothing of the seat's
/// previous player survives. Counters are 32-bit two's complement and 8-byte values unsigned
/// magnitudes, so no content of the message can fail.
void DecodePlayerDetail(PlayerDetail& Dinfo, const GameMessage& msg);

} // namespace qv::connection
