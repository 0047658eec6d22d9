#pragma once

#include "hand/player_info.h"

#include <QString>

#include <array>
#include <cstdint>

namespace qv::hand {

/// A relative seat's images in its played area: elements 0 to 32 the image indexes, element 33
/// their count.
using PlayedImages = std::array<std::int16_t, 34>;

/// Where the next bomb record of a seat goes: element 120 of a `BombTable` row.
inline constexpr int kBombCountSlot = 120;
/// No finisher yet.
inline constexpr std::int16_t kNoFinisher = 5;

/// The hand's state: the four seats' records (the connection writes names and seats) and around
/// them the player's own turn, the plays shown, the bombs, the finishing places and the partner
/// call.
struct HandState {
    /// The seats' records, by display seat (0 the player).
    std::array<PlayerInfo, 4> custom;

    std::array<PlayedImages, 4> PlayedImg{};
    std::array<PlayedImages, 4> PrevPlayedImg{};
    /// Per other seat, the next card image not yet used this hand.
    std::array<std::int16_t, 3> paiUsed{};

    /// The player may send a play or a pass.
    bool Oper_Flag = false;
    /// The player, being the banker, may send the partner call.
    bool Oper1_Flag = false;
    /// The own seat is to move.
    bool g_bMyTurn = false;
    /// The previous-trick button may be used.
    bool g_bPrevTrickReady = false;
    /// The Top of an own hand card that is not raised.
    std::int16_t g_HandBaseTop = 0;
    /// The card count of the player's last play until the server's answer is handled.
    std::int16_t OwnLastCount = 0;
    /// The last card of that play, -1 when none is pending.
    rules::CardCode ownPKValue = -1;

    /// The banker's relative seat.
    std::int16_t Zhuangjia_st = 0;
    std::int16_t g_FinishCount = 0;
    bool g_bFirstDone = false;
    bool g_bSecondDone = false;
    std::int16_t idiyiming_st = kNoFinisher;
    std::int16_t idierming_st = kNoFinisher;
    /// The partner call: the caller's seat mask, the called card (face * 256 + suit flag), and
    /// how many copies of it the caller has played.
    std::int16_t g_CallerSeat = 0;
    std::int32_t g_CalledCard = 0;
    std::int16_t g_CallerCopies = 0;

    /// Bombs of five or more cards: per relative seat those credited to it, and the running
    /// trick's; records of five values, element 120 of a row the number of values stored.
    std::array<std::array<std::int16_t, 121>, 4> BombTable{};
    std::array<std::int16_t, 121> BombLog{};

    /// The hand score of each seat, read by the settlement.
    std::array<double, 4> g_SeatScore{};

    /// The wave file the table's sound players are about to play.
    QString g_WavFile;

    friend bool operator==(const HandState&, const HandState&) = default;
};

} // namespace qv::hand
