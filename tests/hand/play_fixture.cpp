#include "play_fixture.h"

#include "hand/hand_selection.h"

namespace qv::hand::testing_support {

connection::GameMessage playMessage(const Play& play) {
    connection::GameMessage m;
    m.setCommand(connection::MsgPlayMade);
    m.setU8(6, play.mover);
    m.setU8(7, play.token);
    m.setU8(11, play.next);
    m.setU8(15, play.trickState);
    m.setU8(16, play.jieFeng ? 1 : 0);
    m.setU8(17, static_cast<std::uint8_t>(play.cards.size()));
    m.setU8(18, static_cast<std::uint8_t>(play.type));
    for (std::size_t k = 0; k < play.cards.size(); ++k) {
        m.setU8(20 + 4 * static_cast<int>(k), static_cast<std::uint8_t>(play.cards[k].suit));
        m.setU8(21 + 4 * static_cast<int>(k), static_cast<std::uint8_t>(play.cards[k].face));
    }
    m.setU8(255, play.seconds);
    return m;
}

PlayTable::PlayTable(QSize screen, QDateTime local) : HandTable(screen, {0, std::move(local)}) {
    for (const std::uint8_t seat : {1, 2, 4, 8}) {
        connection::GameMessage m;
        m.setCommand(connection::MsgPlayerSeated);
        m.setU8(6, 1);
        m.setU8(226, seat);
        m.writeBytes(168, "p" + QByteArray::number(seat));
        dispatch(m);
    }
    client.conn.g_bLoggedIn = true;
}

void PlayTable::deal(std::uint8_t banker, int turnSeconds) {
    connection::GameMessage m;
    m.setCommand(connection::MsgRoundStart);
    m.setU8(8, 27);
    m.setU8(12, static_cast<std::uint8_t>(turnSeconds));
    m.setU8(15, banker);
    const std::vector<rules::CardCode> cards = sampleHand();
    for (std::size_t i = 0; i < cards.size(); ++i) {
        m.setU32le(16 + 4 * static_cast<int>(i), static_cast<std::uint32_t>(cards[i]));
    }
    dispatch(m);
    (void)sent();
}

void PlayTable::ownLead() {
    connection::GameMessage call;
    call.setCommand(connection::MsgCallCard);
    call.setU8(8, 2);
    call.setU8(12, 9);
    call.setU8(13, 2);
    dispatch(call);
    receive(testing_support::Play(2, 1).state(1));
}

void PlayTable::ownTurnAfter(std::uint8_t mover, std::vector<Card> cards, rules::PlayType type) {
    receive(testing_support::Play(mover, 1, std::move(cards), type));
}

std::vector<connection::GameMessage> PlayTable::sent() {
    std::vector<connection::GameMessage> all;
    while (client.conn.SendRing.hasMessage()) {
        all.push_back(client.conn.SendRing.takeMessage());
    }
    return all;
}

int PlayTable::slotOf(int face, int deckIndex) const {
    const PlayerInfo& own = client.hand.custom[0];
    for (int i = 0; i < own.sum; ++i) {
        const rules::CardCode code = own.pai.at(static_cast<std::size_t>(i)).code;
        if (rules::cardFace(code) == face && rules::cardDeckIndex(code) == deckIndex) {
            return i;
        }
    }
    return -1;
}

forms::Image& PlayTable::slotImage(int slot) {
    return *SlotImage(ctx, slot);
}

void PlayTable::raise(std::initializer_list<int> slots) {
    for (const int slot : slots) {
        RaiseHandCard(ctx, slot);
    }
}

std::vector<int> PlayTable::raised() {
    std::vector<int> slots;
    for (int i = 0; i < client.hand.custom[0].sum; ++i) {
        if (IsRaised(ctx, i)) {
            slots.push_back(i);
        }
    }
    return slots;
}

void PlayTable::pumpFor(int ms) {
    client.conn.TimerBong.setEnabled(true);
    platform.time.advance(ms);
}

} // namespace qv::hand::testing_support
