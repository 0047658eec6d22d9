#include "connection/player_detail.h"

#include "connection/server_text.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

/// An 8-byte little-endian unsigned value; exact up to 2^53.
double eightByteValue(const GameMessage& msg, int offset) {
    double value = 0;
    for (int i = 7; i >= 0; --i) {
        value = value * 256 + msg.u8(offset + i);
    }
    return value;
}

std::int32_t fourByteValue(const GameMessage& msg, int offset) {
    return static_cast<std::int32_t>(msg.u32le(offset));
}

} // namespace

QString MembershipName(double level) {
    if (!(level >= 0) || level >= static_cast<double>(kMembershipNames.size()) ||
        level != std::floor(level)) {
        return {};
    }
    return kMembershipNames.at(static_cast<std::size_t>(level));
}

void DecodePlayerDetail(PlayerDetail& Dinfo, const GameMessage& msg) {
    const std::uint8_t voiceKind = Dinfo.voiceKind;
    Dinfo = PlayerDetail{};
    Dinfo.voiceKind = voiceKind;
    Dinfo.username = MixedText(msg, 16, 32);
    Dinfo.face = SingleByteText(msg, 48, 16);
    if (Dinfo.face.isEmpty()) {
        Dinfo.face = u"m1"_s;
    }
    Dinfo.sex = msg.u8(64);
    Dinfo.location = DoubleByteText(msg, 72, 8);
    Dinfo.score = eightByteValue(msg, 80);
    Dinfo.memberLevel = eightByteValue(msg, 88);
    Dinfo.coins = eightByteValue(msg, 96);
    Dinfo.spare1 = eightByteValue(msg, 104);
    Dinfo.levelName = DoubleByteText(msg, 112, 16);
    Dinfo.spare2 = eightByteValue(msg, 128);
    Dinfo.spare3 = eightByteValue(msg, 136);
    Dinfo.roomInfo = eightByteValue(msg, 144);
    Dinfo.logins = fourByteValue(msg, 152);
    Dinfo.disconnects = fourByteValue(msg, 156);
    Dinfo.wins = fourByteValue(msg, 160);
    Dinfo.losses = fourByteValue(msg, 164);
    Dinfo.account = SingleByteText(msg, 168, 16);
    Dinfo.nameTag = DoubleByteText(msg, 184, 24);
    Dinfo.vip = msg.u8(209);
    Dinfo.voiceSet = SingleByteText(msg, 210, 8);
    Dinfo.voiceId = SingleByteText(msg, 218, 8);
    Dinfo.seatCode = eightByteValue(msg, 226);
}

} // namespace qv::connection
