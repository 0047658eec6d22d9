#pragma once

#include "connection/game_message.h"
#include "match/match.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace qv::match {

/// The tournament messages from the server, read and checked against their layouts before
/// anything changes. Ids, starts, lengths, bases and scores are below 2^31, counts and places
/// below 2^15, lists fit the message; a message outside its layout decodes to nothing and is
/// dropped. Starts are seconds since 1970-01-01 UTC.

/// A run of 82 or 83; no start when the field says no run is scheduled.
struct ScheduledRun {
    std::int32_t id = 0;
    std::optional<std::int64_t> start;
    std::int32_t duration = 0;
    std::int16_t jadeBase = 0;
};

/// 82: the runs of this game, at most 18.
struct MatchList {
    std::vector<ScheduledRun> runs;
};

/// 74: the runs the player is signed up for, at most 28.
struct MyMatchList {
    struct Entry {
        std::int32_t id = 0;
        std::int64_t start = 0;
        bool running = false;
    };
    std::vector<Entry> entries;
};

/// 72: the answer to a sign-up; count and base only when it was accepted.
struct SignUpReply {
    std::int32_t id = 0;
    std::int64_t start = 0;
    bool accepted = false;
    std::int16_t count = 0;
    std::int32_t base = 0;
    QString text;
};

/// 73: the answer to a cancellation.
struct CancelReply {
    std::int32_t id = 0;
    std::int64_t start = 0;
    bool cancelled = false;
    QString text;
};

/// 87: a run's sign-up count and jade base.
struct SignUpCount {
    std::int32_t id = 0;
    std::int64_t start = 0;
    std::int16_t count = 0;
    std::int32_t base = 0;
};

/// 80: where the configuration is and its digest; the room values when the message has them.
struct MatchConfig {
    QString md5;
    QString url;
    struct Room {
        std::int16_t session = 0;
        std::int16_t direction = 0;
        std::int16_t vip = 0;
        std::uint32_t base = 0;
    };
    std::optional<Room> room;
};

/// 75: a run started (1), ended (2), was closed (3) or another state.
struct RunStateChange {
    std::int32_t id = 0;
    std::int64_t start = 0;
    std::uint8_t state = 0;
    QString notice;
};

/// 77 and 78: the player's place and score.
struct RunPlace {
    std::int32_t id = 0;
    std::int64_t start = 0;
    std::int16_t place = 0;
    std::int32_t score = 0;
};

/// 88: a run's jade base.
struct RunJade {
    std::int32_t id = 0;
    std::int64_t start = 0;
    std::int32_t base = 0;
};

/// 89: the champion of a finished run.
struct Champion {
    std::int32_t id = 0;
    std::int64_t start = 0;
    QString nickname;
    QString prize;
};

/// 91 and 92: a change of gold, negative for a loss; the notice (91) or the account (92).
struct GoldChange {
    double amount = 0.0;
    QString text;
};

/// 47: the standing of a tournament table, the first three entries.
struct TableScores {
    std::int32_t number = 0;
    std::vector<MatchPlayer> players;
};

[[nodiscard]] std::optional<MatchList> DecodeMatchList(const connection::GameMessage& m);
[[nodiscard]] std::optional<MyMatchList> DecodeMyMatchList(const connection::GameMessage& m);
[[nodiscard]] std::optional<ScheduledRun> DecodeNextRun(const connection::GameMessage& m);
[[nodiscard]] std::optional<SignUpReply> DecodeSignUpReply(const connection::GameMessage& m);
[[nodiscard]] std::optional<CancelReply> DecodeCancelReply(const connection::GameMessage& m);
[[nodiscard]] std::optional<SignUpCount> DecodeSignUpCount(const connection::GameMessage& m);
/// 90: the automatic sign-up window in seconds.
[[nodiscard]] std::optional<std::int32_t> DecodeAutoSignUp(const connection::GameMessage& m);
[[nodiscard]] std::optional<MatchConfig> DecodeMatchConfig(const connection::GameMessage& m);
/// 81: the server's time, read unsigned.
[[nodiscard]] std::optional<std::int64_t> DecodeServerTime(const connection::GameMessage& m);
[[nodiscard]] std::optional<RunStateChange> DecodeRunState(const connection::GameMessage& m);
[[nodiscard]] std::optional<RunPlace> DecodeRunPlace(const connection::GameMessage& m);
[[nodiscard]] std::optional<RunJade> DecodeRunJade(const connection::GameMessage& m);
[[nodiscard]] std::optional<Champion> DecodeChampion(const connection::GameMessage& m);
[[nodiscard]] std::optional<GoldChange> DecodeMyGold(const connection::GameMessage& m);
[[nodiscard]] std::optional<GoldChange> DecodeOtherGold(const connection::GameMessage& m);
[[nodiscard]] std::optional<TableScores> DecodeTableScores(const connection::GameMessage& m);

} // namespace qv::match
