// The table's side of the triggers: what it sends for each and how the table stays consistent.

#include "players.h"
#include "table_messages.h"
#include "table_server.h"

using namespace Qt::StringLiterals;

namespace qv::tools::table {

std::optional<QString> TableServer::trigger(const Trigger& trigger) {
    if (phase_ == Phase::Empty) {
        return u"nobody sits at the table: log in first"_s;
    }
    const int index = seatFromPlayer(trigger.seat);
    switch (trigger.kind) {
    case Trigger::Kind::State:
        send(trigger.state == kWaitingState
                 ? waitingState(trigger.randomSeats, trigger.showSeatChange, wealthMultiple_)
                 : tableState(trigger.state));
        break;
    case Trigger::Kind::Wealth:
        wealthMultiple_ = trigger.multiple;
        send(waiting());
        break;
    case Trigger::Kind::CoinsShort:
        send(coinsShort(seatMask(index)));
        if (index == humanSeat_) {
            waitForLeave();
        } else {
            leave(index);
        }
        break;
    case Trigger::Kind::Remove:
        send(removal(trigger.reason));
        waitForLeave();
        break;
    case Trigger::Kind::Ready:
        if (phase_ == Phase::Waiting && !seat(index).ready) {
            ready(index);
        } else {
            send(playerReady(seat(index).player.account));
        }
        break;
    case Trigger::Kind::Leave:
        leave(index);
        break;
    case Trigger::Kind::Plugin:
        send(pluginMessage(trigger.command));
        break;
    case Trigger::Kind::Bag:
        send(bagList(trigger.goods));
        break;
    case Trigger::Kind::Item:
        send(bagItem(trigger.goods.front()));
        break;
    case Trigger::Kind::Marquee:
        send(marquee(trigger.reason));
        break;
    case Trigger::Kind::Notice:
        if (trigger.mode == 1) {
            options_.pool = trigger.reason;
        }
        send(notice(trigger.mode, trigger.reason, trigger.rgb[0], trigger.rgb[1], trigger.rgb[2]));
        break;
    }
    return std::nullopt;
}

void TableServer::leave(int index) {
    const bool duringHand = phase_ != Phase::Waiting;
    if (duringHand) {
        abandonHand();
    }
    send(playerLeft(seat(index).player.account));
    seat(index) = Seat{computerPlayer(++computersMade_), true};
    send(playerSeated(seatMask(humanSeat_), seatMask(index), seat(index).player, false,
                      wealthMultiple_, options_.pluginAllowed));
    if (duringHand) {
        send(waiting());
    }
    readyTimer_.start(options_.delayMs);
}

void TableServer::abandonHand() {
    note(u"the hand is given up"_s);
    turnTimer_.stop();
    hand_.reset();
    phase_ = Phase::Waiting;
    for (Seat& s : seats_) {
        s.ready = false;
    }
}

void TableServer::waitForLeave() {
    if (phase_ != Phase::Waiting) {
        abandonHand();
    }
    readyTimer_.stop();
    dealTimer_.stop();
    note(u"the player is out: waiting for his leave"_s);
}

} // namespace qv::tools::table
