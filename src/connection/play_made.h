#pragma once

#include "connection/game_message.h"
#include "rules/play_type.h"

#include <array>
#include <cstdint>

namespace qv::connection {

/// The most cards one play can hold: a whole hand.
inline constexpr int kMaxPlayCards = 27;

/// `TrickState` values the client tells apart (byte 15 of a play made).
inline constexpr std::uint8_t kTrickOver = 1;
inline constexpr std::uint8_t kNothingToBeat = 9;
inline constexpr std::uint8_t kTrickOverAfterPause = 10;

/// One card of a play as the server reports it: the suit byte as sent and the face.
struct PlayedCard {
    std::uint8_t suit = 0;
    std::uint8_t face = 0;

    friend bool operator==(const PlayedCard&, const PlayedCard&) = default;
};

/// A play made (command 6), read and checked before anything changes.
struct PlayMade {
    /// The seat mask of the seat that played or passed (its low four bits).
    std::uint8_t mover = 0;
    std::uint8_t turnToken = 0;
    /// The seat mask of the seat that moves next, as sent: compared whole with the own mask, its
    /// low four bits name the seat.
    std::uint8_t next = 0;
    std::uint8_t trickState = 0;
    /// The "接风" bubble goes over the next seat.
    bool jieFeng = false;
    /// 0 for a pass, else the cards played as sent: 1 to 27 from a sound server. More than a hand
    /// holds are counted as sent, and only the first 27 are read.
    int count = 0;
    rules::PlayType type = rules::PlayNone;
    /// Cards 0 to count - 1 (at most 27) in message order.
    std::array<PlayedCard, kMaxPlayCards> cards{};
    /// The face a logged bomb is known by: the first face of 3 to 15 among the message's card
    /// slots (jokers are wild), 0 when there is none.
    int bombFace = 0;
    /// Byte 255: seconds of the next seat's turn.
    std::uint8_t turnSeconds = 0;

    [[nodiscard]] bool pass() const { return count == 0; }
    [[nodiscard]] std::uint8_t nextSeatBits() const { return next & 0x0F; }
    /// The trick is over: every played card leaves the table and the next seat leads.
    [[nodiscard]] bool trickOver() const {
        return trickState == kTrickOver || trickState == kTrickOverAfterPause;
    }
    /// Nothing is left to beat after the message.
    [[nodiscard]] bool freeLead() const { return trickOver() || trickState == kNothingToBeat; }
    [[nodiscard]] const PlayedCard& card(int i) const {
        return cards.at(static_cast<std::size_t>(i));
    }
};

/// Reads a play made.
[[nodiscard]] PlayMade DecodePlayMade(const GameMessage& msg);

} // namespace qv::connection
