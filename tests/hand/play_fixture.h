#pragma once

#include "connection/commands.h"
#include "connection/connection.h"
#include "hand_fixture.h"
#include "rules/play_type.h"

#include <initializer_list>
#include <vector>

namespace qv::hand::testing_support {

/// A card of a play message: face and suit flag.
struct Card {
    int face;
    int suit;
};

/// A play made (command 6) as the server sends it: `mover` played `cards` (none for a pass)
/// and `next` moves next.
struct Play {
    Play(std::uint8_t moverMask, std::uint8_t nextMask, std::vector<Card> played = {},
         rules::PlayType playType = rules::PlayNone)
        : mover(moverMask), next(nextMask), cards(std::move(played)), type(playType) {}
    Play& state(std::uint8_t value) {
        trickState = value;
        return *this;
    }
    Play& turnSeconds(std::uint8_t value) {
        seconds = value;
        return *this;
    }
    Play& turnToken(std::uint8_t value) {
        token = value;
        return *this;
    }

    std::uint8_t mover;
    std::uint8_t next;
    std::vector<Card> cards;
    rules::PlayType type;
    std::uint8_t trickState = 0;
    bool jieFeng = false;
    std::uint8_t token = 7;
    std::uint8_t seconds = 0;
};

connection::GameMessage playMessage(const Play& play);

/// A client seated at the first seat (mask 1) of a full table and logged in, dealt the sample
/// hand with the player as banker or not.
struct PlayTable : HandTable {
    explicit PlayTable(QSize screen = {1024, 768},
                       QDateTime local = QDateTime(QDate(2026, 1, 1), QTime(12, 0)));

    void dispatch(connection::GameMessage message) {
        connection::DispatchFrame(client.conn, message);
    }
    /// Deals the sample hand with `banker` (a seat mask) to call and `turnSeconds` a turn.
    void deal(std::uint8_t banker = 2, int turnSeconds = 20);
    /// The call made and the player to lead: the free lead of a new trick.
    void ownLead();
    /// Another seat played `cards` and the player is next.
    void ownTurnAfter(std::uint8_t mover, std::vector<Card> cards, rules::PlayType type);
    void receive(const Play& play) { dispatch(playMessage(play)); }
    /// The messages queued since the last call.
    std::vector<connection::GameMessage> sent();
    /// The own hand's slot whose card has this face and deck index.
    [[nodiscard]] int slotOf(int face, int deckIndex) const;
    forms::Image& slotImage(int slot);
    /// Raises the given slots as the player's clicks would.
    void raise(std::initializer_list<int> slots);
    /// The slots whose cards are raised.
    [[nodiscard]] std::vector<int> raised();
    /// Runs the 50 ms pump for `ms` of virtual time.
    void pumpFor(int ms);
};

} // namespace qv::hand::testing_support
