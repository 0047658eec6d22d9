#pragma once

#include "connection/game_message.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace qv::between {

struct BetweenContext;

/// The server's table state (command 16): what comes next at the table.
struct TableStateMsg {
    /// 0 waiting for the next hand, 1 nothing more, 2 a hand is near, any other coins short.
    std::uint8_t state = 0;
    /// Seats short of coins, as seat-mask bits (low four bits only).
    std::uint8_t shortMask = 0;
    /// State 0: 1 = seats change at random; coins short: the seats told to change the room.
    std::uint8_t byte11 = 0;
    bool showSeatChangeNow = false;
    /// The wealth-doubling multiple, signed.
    std::int32_t multiple = 0;
};
[[nodiscard]] std::optional<TableStateMsg> DecodeTableState(const connection::GameMessage& m);
void OnTableState(BetweenContext& ctx, const TableStateMsg& msg);

/// A chat message (command 19) with its sub-code, which says whether it is the item plug-in's.
struct ChatRouting {
    std::uint32_t subCode = 0;
    connection::GameMessage message;
};
[[nodiscard]] std::optional<ChatRouting> DecodeChatRouting(const connection::GameMessage& m);
void OnChatRouting(BetweenContext& ctx, const ChatRouting& msg);

/// The server removes the player from the table (command 22), with its reason.
struct Kicked {
    QString reason;
};
[[nodiscard]] std::optional<Kicked> DecodeKicked(const connection::GameMessage& m);
void OnKicked(BetweenContext& ctx, const Kicked& msg);

/// A seated player is ready (command 23).
struct PlayerReady {
    bool ready = false;
    QString name;
};
[[nodiscard]] std::optional<PlayerReady> DecodePlayerReady(const connection::GameMessage& m);
void OnPlayerReady(BetweenContext& ctx, const PlayerReady& msg);

/// A player left the table (command 21).
struct PlayerLeft {
    /// The account; none when its first byte names no character.
    std::optional<QString> account;
    /// A restarted ready countdown lasts 10 seconds instead of 15.
    bool shortCountdown = false;
};
[[nodiscard]] std::optional<PlayerLeft> DecodePlayerLeft(const connection::GameMessage& m);
void OnPlayerLeft(BetweenContext& ctx, const PlayerLeft& msg);

} // namespace qv::between
