#include "match/match_messages.h"

#include "connection/server_text.h"

namespace qv::match {
namespace {

using connection::GameMessage;
using connection::MessageError;

constexpr int kIdByte = 16;
constexpr int kStartByte = 20;
constexpr int kTextEnd = 255;
constexpr std::uint32_t kTopBit = 0x80000000U;
constexpr std::uint16_t kTopBit16 = 0x8000U;
constexpr std::uint8_t kAccepted = 1;

/// A 32-bit field that the layout keeps below 2^31.
std::int32_t below31(const GameMessage& m, int offset) {
    const std::uint32_t value = m.u32le(offset);
    if ((value & kTopBit) != 0) {
        throw MessageError("a 32-bit field beyond its range");
    }
    return static_cast<std::int32_t>(value);
}

/// A 16-bit count that the layout keeps below 2^15.
std::int16_t below15(const GameMessage& m, int offset) {
    const std::uint16_t value = m.u16le(offset);
    if ((value & kTopBit16) != 0) {
        throw MessageError("a 16-bit count beyond its range");
    }
    return static_cast<std::int16_t>(value);
}

/// A start field of 82 and 83: a top bit means no run is scheduled.
std::optional<std::int64_t> scheduledStart(const GameMessage& m, int offset) {
    const std::uint32_t value = m.u32le(offset);
    if ((value & kTopBit) != 0) {
        return std::nullopt;
    }
    return value;
}

/// The number of entries of a list, at most what the message holds.
int listCount(const GameMessage& m, int most) {
    const int count = m.u8(kIdByte);
    if (count > most) {
        throw MessageError("a list longer than its message");
    }
    return count;
}

/// The amount of 91 and 92: an 8-byte magnitude, negative when the sign byte is not 0.
double goldAmount(const GameMessage& m) {
    constexpr int kSign = 16;
    constexpr int kMagnitude = 17;
    constexpr int kWidth = 8;
    double amount = 0.0;
    for (int i = kMagnitude + kWidth - 1; i >= kMagnitude; --i) {
        constexpr double kByte = 256.0;
        amount = amount * kByte + m.u8(i);
    }
    return m.u8(kSign) == 0 ? amount : -amount;
}

template <typename Decode>
auto checked(const GameMessage& m, Decode decode) -> std::optional<decltype(decode(m))> {
    try {
        return decode(m);
    } catch (const MessageError&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<MatchList> DecodeMatchList(const GameMessage& m) {
    return checked(m, [](const GameMessage& msg) {
        constexpr int kFirst = 17;
        constexpr int kSize = 14;
        constexpr int kMost = 18;
        MatchList list;
        const int count = listCount(msg, kMost);
        for (int k = 0; k < count; ++k) {
            const int at = kFirst + kSize * k;
            list.runs.push_back({below31(msg, at), scheduledStart(msg, at + 4),
                                 below31(msg, at + 8), below15(msg, at + 12)});
        }
        return list;
    });
}

std::optional<MyMatchList> DecodeMyMatchList(const GameMessage& m) {
    return checked(m, [](const GameMessage& msg) {
        constexpr int kFirst = 17;
        constexpr int kSize = 9;
        constexpr int kMost = 28;
        constexpr std::uint8_t kRunning = 2;
        MyMatchList list;
        const int count = listCount(msg, kMost);
        for (int k = 0; k < count; ++k) {
            const int at = kFirst + kSize * k;
            list.entries.push_back(
                {below31(msg, at), below31(msg, at + 4), msg.u8(at + 8) == kRunning});
        }
        return list;
    });
}

std::optional<ScheduledRun> DecodeNextRun(const GameMessage& m) {
    return checked(m, [](const GameMessage& msg) {
        return ScheduledRun{below31(msg, kIdByte), scheduledStart(msg, kStartByte),
                            below31(msg, 24), 0};
    });
}

std::optional<SignUpReply> DecodeSignUpReply(const GameMessage& m) {
    return checked(m, [](const GameMessage& msg) {
        SignUpReply reply;
        reply.id = below31(msg, kIdByte);
        reply.start = below31(msg, kStartByte);
        reply.accepted = msg.u8(24) == kAccepted;
        if (reply.accepted) {
            reply.count = below15(msg, 25);
            reply.base = below31(msg, 27);
        }
        reply.text = connection::MatchText(msg, 31, kTextEnd);
        return reply;
    });
}

std::optional<CancelReply> DecodeCancelReply(const GameMessage& m) {
    return checked(m, [](const GameMessage& msg) {
        return CancelReply{below31(msg, kIdByte), below31(msg, kStartByte), msg.u8(24) == kAccepted,
                           connection::MatchText(msg, 25, kTextEnd)};
    });
}

std::optional<SignUpCount> DecodeSignUpCount(const GameMessage& m) {
    return checked(m, [](const GameMessage& msg) {
        return SignUpCount{below31(msg, kIdByte), below31(msg, kStartByte), below15(msg, 24),
                           below31(msg, 26)};
    });
}

std::optional<std::int32_t> DecodeAutoSignUp(const GameMessage& m) {
    return checked(m, [](const GameMessage& msg) { return below31(msg, kIdByte); });
}

std::optional<MatchConfig> DecodeMatchConfig(const GameMessage& m) {
    return checked(m, [](const GameMessage& msg) {
        constexpr int kMd5 = 16;
        constexpr int kMd5Last = 47;
        constexpr int kUrl = 48;
        MatchConfig config;
        config.md5 = connection::MatchText(msg, kMd5, kMd5Last).trimmed();
        int end = 0;
        config.url = connection::MatchText(msg, kUrl, kTextEnd, &end);
        if (msg.u8(end) == 0) {
            config.room = MatchConfig::Room{msg.u8(end + 1), msg.u8(end + 2), msg.u8(end + 3),
                                            msg.u32le(end + 4)};
        }
        return config;
    });
}

std::optional<std::int64_t> DecodeServerTime(const GameMessage& m) {
    return std::int64_t{m.u32le(kIdByte)};
}

std::optional<RunStateChange> DecodeRunState(const GameMessage& m) {
    return checked(m, [](const GameMessage& msg) {
        return RunStateChange{below31(msg, kIdByte), below31(msg, kStartByte), msg.u8(24),
                              connection::MatchText(msg, 25, kTextEnd)};
    });
}

std::optional<RunPlace> DecodeRunPlace(const GameMessage& m) {
    return checked(m, [](const GameMessage& msg) {
        constexpr std::int32_t kMostPlace = 32767;
        const std::int32_t place = below31(msg, 24);
        if (place > kMostPlace) {
            throw MessageError("a place beyond its range");
        }
        return RunPlace{below31(msg, kIdByte), below31(msg, kStartByte),
                        static_cast<std::int16_t>(place), below31(msg, 28)};
    });
}

std::optional<RunJade> DecodeRunJade(const GameMessage& m) {
    return checked(m, [](const GameMessage& msg) {
        return RunJade{below31(msg, kIdByte), below31(msg, kStartByte), below31(msg, 24)};
    });
}

std::optional<Champion> DecodeChampion(const GameMessage& m) {
    return checked(m, [](const GameMessage& msg) {
        constexpr int kNickname = 24;
        constexpr int kNicknameLast = 55;
        constexpr int kPrize = 56;
        return Champion{below31(msg, kIdByte), below31(msg, kStartByte),
                        connection::MatchText(msg, kNickname, kNicknameLast),
                        connection::MatchText(msg, kPrize, kTextEnd)};
    });
}

std::optional<GoldChange> DecodeMyGold(const GameMessage& m) {
    return GoldChange{goldAmount(m), connection::MatchText(m, 25, kTextEnd)};
}

std::optional<GoldChange> DecodeOtherGold(const GameMessage& m) {
    constexpr int kAccount = 25;
    constexpr int kAccountLast = 41;
    return GoldChange{goldAmount(m), connection::MatchText(m, kAccount, kAccountLast)};
}

std::optional<TableScores> DecodeTableScores(const GameMessage& m) {
    return checked(m, [](const GameMessage& msg) {
        constexpr std::int32_t kMost = 32767;
        constexpr int kFirst = 28;
        constexpr int kSize = 28;
        constexpr int kUsed = 3;
        constexpr int kNameBytes = 16;
        TableScores scores;
        scores.number = below31(msg, kIdByte);
        const std::int32_t count = below31(msg, 24);
        if (scores.number > kMost || count > kMost) {
            throw MessageError("a table standing beyond its range");
        }
        for (int k = 0; k < std::min(count, kUsed); ++k) {
            const int at = kFirst + kSize * k;
            scores.players.push_back({connection::SingleByteText(msg, at, kNameBytes),
                                      below31(msg, at + 20), below31(msg, at + 24)});
        }
        return scores;
    });
}

} // namespace qv::match
