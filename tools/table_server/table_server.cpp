#include "table_server.h"

#include "computer_player.h"
#include "connection/commands.h"
#include "hand_result.h"
#include "players.h"
#include "shop_messages.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qv::tools::table {
namespace {

using namespace connection;

constexpr int kLeaveState = 0;
constexpr int kReadyState = 1;
constexpr int kLoginAccepted = 1;
constexpr int kLoginRefused = 3;
constexpr std::uint32_t kThreadBase = 0x1000;
/// Mixed into the seed for the phrases' generator.
constexpr std::uint32_t kPhraseSalt = 0x5EED0F0EU;
constexpr int kMsPerSecond = 1000;
constexpr int kCutMessageBytes = 100;
constexpr std::int16_t kOwnPrizeMode = 7;

const char* refusalText(Hand::Refusal refusal) {
    switch (refusal) {
    case Hand::Refusal::NotHeld:
        return "a card he does not hold";
    case Hand::Refusal::Repeated:
        return "a card twice";
    case Hand::Refusal::NoPlay:
        return "cards that form no play";
    case Hand::Refusal::DoesNotBeat:
        return "a play that does not beat";
    case Hand::Refusal::PassOnLead:
        return "a pass on his lead";
    case Hand::Refusal::Empty:
        return "a play without cards";
    case Hand::Refusal::None:
        break;
    }
    return "";
}

bool validSuit(int suitFlag) {
    return suitFlag == 1 || suitFlag == 2 || suitFlag == 4 || suitFlag == 8;
}

} // namespace

TableServer::TableServer(Options options)
    : options_(std::move(options)), random_(options_.seed),
      phraseRandom_(options_.seed ^ kPhraseSalt) {
    turnTimer_.setSingleShot(true);
    readyTimer_.setSingleShot(true);
    dealTimer_.setSingleShot(true);
    returnTimer_.setSingleShot(true);
    connect(&returnTimer_, &QTimer::timeout, this, [this] {
        note(u"the player did not come back for the result"_s);
        finish();
    });
    connect(&dealTimer_, &QTimer::timeout, this, [this] {
        if (humanSeat_ >= 0) {
            ready(humanSeat_);
        }
    });
    connect(&server_, &QTcpServer::newConnection, this, &TableServer::accept);
    connect(&turnTimer_, &QTimer::timeout, this, &TableServer::turnTimeUp);
    connect(&readyTimer_, &QTimer::timeout, this, [this] {
        for (int index = 0; index < kSeats; ++index) {
            if (seat(index).computer) {
                ready(index);
            }
        }
        if (options_.dealAfterMs > 0 && phase_ == Phase::Waiting) {
            dealTimer_.start(options_.dealAfterMs);
        }
    });
}

bool TableServer::listen() {
    clock_.start();
    if (!options_.logPath.isEmpty()) {
        log_.setFileName(options_.logPath);
        if (!log_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return false;
        }
    }
    note(u"seed %1"_s.arg(options_.seed));
    return server_.listen(QHostAddress::LocalHost, options_.port);
}

void TableServer::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        if (finished_) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        if (client_) {
            note(u"a new connection replaces the old one"_s);
            detachClient();
            connectionLost();
        }
        client_ = socket;
        joined_ = false;
        pending_.clear();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readClient(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (socket == client_) {
                detachClient();
                connectionLost();
            }
        });
    }
}

void TableServer::readClient(QTcpSocket* socket) {
    pending_ += socket->readAll();
    while (socket == client_ && pending_.size() >= kMessageSize) {
        const GameMessage message = GameMessage::fromBytes(pending_.left(kMessageSize));
        pending_.remove(0, kMessageSize);
        handle(message);
    }
}

void TableServer::detachClient() {
    QTcpSocket* socket = std::exchange(client_, nullptr);
    if (!socket) {
        return;
    }
    socket->disconnect(this);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
    }
}

void TableServer::connectionLost() {
    if (phase_ == Phase::Calling || phase_ == Phase::Playing) {
        note(u"connection lost during the hand: the player's moves are made for him"_s);
        scheduleTurn();
    } else if (phase_ != Phase::Empty) {
        note(u"connection lost between hands: the table is closed"_s);
        endSession();
    }
}

void TableServer::handle(const GameMessage& message) {
    logMessage("in", message);
    const std::uint8_t command = message.command();
    if (command == MsgLogin) {
        login(message);
        return;
    }
    if (command == MsgReconnect) {
        reconnect(message);
        return;
    }
    if (phase_ == Phase::Empty) {
        return;
    }
    if (options_.watch && (command == MsgCallCard || command == MsgPlayCards ||
                           (command == MsgTableState && message.u8(15) == kReadyState))) {
        note(u"a watcher's move is ignored"_s);
        return;
    }
    switch (command) {
    case MsgTableState:
        if (message.u8(15) == kReadyState) {
            ready(humanSeat_);
        } else if (message.u8(15) == kLeaveState) {
            note(u"the player left the table"_s);
            endSession();
        }
        break;
    case MsgCallCard:
        partnerCallRequest(message);
        break;
    case MsgPlayCards:
        playRequest(message);
        break;
    case MsgChat:
        send(message);
        break;
    case MsgShopOrder:
    case MsgPrizeList:
    case MsgNotice:
        shopRequest(message);
        break;
    default:
        if (onOther) {
            onOther(message);
        }
        break;
    }
}

void TableServer::login(const GameMessage& request) {
    if (handsOver()) {
        finish();
        return;
    }
    const QByteArray account = requestAccount(request);
    endSession();
    if (account.isEmpty()) {
        write(loginReply(kLoginRefused, 0));
        detachClient();
        return;
    }
    humanSeat_ = static_cast<int>(nextRandom(random_) % kSeats);
    for (int index = 0; index < kSeats; ++index) {
        seat(index) = index == humanSeat_ && !options_.watch
                          ? Seat{humanPlayer(account), false}
                          : Seat{computerPlayer(++computersMade_), true};
    }
    phase_ = Phase::Waiting;
    joined_ = true;
    send(loginReply(kLoginAccepted, kAutoPlayAfter));
    seatEveryone();
    send(waiting());
    if (!options_.bag.empty()) {
        send(bagList(options_.bag));
    }
    readyTimer_.start(options_.delayMs);
    if (onLogin) {
        onLogin(human().player.nickname);
    }
}

void TableServer::reconnect(const GameMessage& request) {
    const auto from = std::find_if(history_.begin(), history_.end(), [&request](const auto& m) {
        return m.u16le(kSeqNumByte) == requestSequence(request);
    });
    if (!options_.acceptReconnect || phase_ == Phase::Empty ||
        requestAccount(request) != human().player.account ||
        requestThread(request) != threadIndex_ || from == history_.end()) {
        refuseReconnect();
        return;
    }
    note(u"reconnect accepted: resending what the player missed"_s);
    write(reconnectReply(true));
    joined_ = true;
    for (auto missed = from + 1; client_ && missed != history_.end(); ++missed) {
        write(*missed);
    }
    if (phase_ == Phase::Calling || phase_ == Phase::Playing) {
        scheduleTurn();
    }
    if (handsOver()) {
        finish();
    }
}

void TableServer::refuseReconnect() {
    note(u"reconnect refused"_s);
    write(reconnectReply(false));
    endSession();
    detachClient();
    if (handsOver()) {
        finish();
    }
}

void TableServer::ready(int index) {
    if (phase_ != Phase::Waiting || seat(index).ready) {
        return;
    }
    seat(index).ready = true;
    send(playerReady(seat(index).player.account));
    if (std::all_of(seats_.begin(), seats_.end(), [](const Seat& s) { return s.ready; })) {
        deal();
    }
}

void TableServer::seatEveryone() {
    for (int k = 0; k < kSeats; ++k) {
        const int index = (humanSeat_ + k) % kSeats;
        send(playerSeated(seatMask(humanSeat_), seatMask(index), seat(index).player,
                          seat(index).ready, wealthMultiple_, options_.pluginAllowed));
    }
}

void TableServer::deal() {
    ++handsDealt_;
    threadIndex_ = kThreadBase + static_cast<std::uint32_t>(handsDealt_);
    if (nextBanker_ < 0) {
        nextBanker_ = static_cast<int>(nextRandom(random_) % kSeats);
    }
    hand_.emplace(shuffleAndDeal(random_), nextBanker_);
    for (Seat& s : seats_) {
        s.ready = false;
    }
    phase_ = Phase::Calling;
    send(roundStart(hand_->dealt(humanSeat_), options_.turnSeconds, seatMask(hand_->banker()),
                    u"第%1局"_s.arg(handsDealt_), threadIndex_));
    scheduleTurn();
}

void TableServer::scheduleTurn() {
    const int mover = phase_ == Phase::Calling ? hand_->banker() : hand_->turn();
    const bool waitForPlayer = !seat(mover).computer && present();
    turnTimer_.start(waitForPlayer ? (options_.turnSeconds + kGraceSeconds) * kMsPerSecond
                                   : options_.delayMs);
}

void TableServer::turnTimeUp() {
    if (phase_ == Phase::Calling) {
        finishCall(chooseCall(hand_->cards(hand_->banker())));
        return;
    }
    if (phase_ != Phase::Playing) {
        return;
    }
    const int mover = hand_->turn();
    const auto& cards = hand_->cards(mover);
    if (!seat(mover).computer) {
        applyMove(timeoutMove(cards, hand_->leading()));
    } else if (hand_->leading()) {
        applyMove(chooseLead(cards));
    } else {
        applyMove(chooseFollow(cards, hand_->toBeat()));
    }
}

void TableServer::partnerCallRequest(const GameMessage& message) {
    const CallRequest call = readCall(message);
    if (phase_ != Phase::Calling || hand_->banker() != humanSeat_ ||
        call.seatMask != seatMask(humanSeat_)) {
        note(u"a partner call out of turn is ignored"_s);
        return;
    }
    turnTimer_.stop();
    if (call.face < rules::kLowestFace || call.face > kHighestCallFace ||
        !validSuit(call.suitFlag)) {
        note(u"refused: a call of a card that cannot be called; the call is made for him"_s);
        finishCall(chooseCall(hand_->cards(humanSeat_)));
        return;
    }
    finishCall(rules::makeCard(call.face, call.suitFlag));
}

void TableServer::finishCall(CardCode card) {
    hand_->call(rules::cardFace(card), rules::cardSuit(card));
    phase_ = Phase::Playing;
    const int bankerMask = seatMask(hand_->banker());
    send(partnerCall(bankerMask, rules::cardFace(card), rules::cardSuit(card)));
    token_ = static_cast<std::uint8_t>(token_ % 255 + 1);
    if (hand_->banker() == humanSeat_) {
        humanToken_ = token_;
    }
    send(playMade(
        {bankerMask, bankerMask, token_, 1, false, {}, rules::PlayNone, options_.turnSeconds}));
    scheduleTurn();
}

void TableServer::playRequest(const GameMessage& message) {
    const PlayRequest request = readPlay(message);
    if (phase_ != Phase::Playing || hand_->turn() != humanSeat_ ||
        request.seatMask != seatMask(humanSeat_) || request.token != humanToken_) {
        note(u"a play out of turn is ignored"_s);
        return;
    }
    turnTimer_.stop();
    Play play;
    Hand::Refusal refusal = Hand::Refusal::None;
    if (request.pass) {
        refusal = hand_->leading() ? Hand::Refusal::PassOnLead : Hand::Refusal::None;
    } else {
        refusal = hand_->check(request.deckIndexes, play);
    }
    if (refusal == Hand::Refusal::None) {
        applyMove(request.pass ? std::nullopt : std::optional<Play>(play));
        return;
    }
    note(u"refused: "_s + QString::fromLatin1(refusalText(refusal)) +
         u"; the move is made for him"_s);
    applyMove(timeoutMove(hand_->cards(humanSeat_), hand_->leading()));
}

void TableServer::applyMove(const std::optional<Play>& play) {
    const Hand::Step step = play ? hand_->play(*play) : hand_->pass();
    PlayMade made;
    made.moverMask = seatMask(step.seat);
    made.nextMask = step.next >= 0 ? seatMask(step.next) : 0;
    token_ = static_cast<std::uint8_t>(token_ % 255 + 1);
    made.token = token_;
    made.trickState = step.trickOver ? 1 : 0;
    made.jieFeng = step.jieFeng;
    made.cards = step.play.cards;
    made.type = step.play.type;
    made.turnSeconds = options_.turnSeconds;
    if (step.next == humanSeat_) {
        humanToken_ = token_;
    }
    send(playMade(made));
    if (hand_->over()) {
        endHand();
        return;
    }
    if (step.trickOver) {
        sayPhrase();
    }
    if (phase_ == Phase::Playing) {
        scheduleTurn();
    }
}

void TableServer::endHand() {
    turnTimer_.stop();
    std::array<int, kSeats> levels{};
    for (int index = 0; index < kSeats; ++index) {
        levels[static_cast<std::size_t>(index)] = seat(index).player.level;
    }
    const HandResult result = settleHand(*hand_, kStake, levels);
    send(handResult(result.shared, result.rows[0], result.rows[1]));
    if (options_.pluginResult) {
        send(pluginMessage(MsgPropScore));
    }
    send(handResult(result.shared, result.rows[2], result.rows[3]));
    if (!options_.reward.isEmpty()) {
        send(notice(kOwnPrizeMode, options_.reward));
    }
    for (int index = 0; index < kSeats; ++index) {
        const auto i = static_cast<std::size_t>(index);
        SeatedPlayer& player = seat(index).player;
        player.coins = std::max<std::int64_t>(player.coins + result.totals[i], 0);
        (result.won[i] ? player.wins : player.losses) += 1;
        player.level = result.levels[i];
        player.levelName = levelName(player.level);
    }
    nextBanker_ = hand_->finishOrder().empty() ? hand_->banker() : hand_->finishOrder().front();
    ++handsPlayed_;
    phase_ = Phase::Waiting;
    if (handsOver()) {
        // A player whose connection was lost during the hand is owed its end: the table stays
        // open for his reconnect, which gets the result, and closes after it. A present player
        // gets a moment to take the result in before the table closes under him, as a real
        // table never closes with its result.
        if (present()) {
            note(u"the hands are played: closing in a moment"_s);
            QTimer::singleShot(kLingerMs, this, [this] {
                if (!finished_) {
                    finish();
                }
            });
        } else {
            note(u"the hands are played: waiting for the player to come back for the result"_s);
            returnTimer_.start((options_.turnSeconds + kGraceSeconds) * kMsPerSecond);
        }
        return;
    }
    if (!human().computer && human().player.coins < kStake) {
        send(coinsShort(seatMask(humanSeat_)));
        return;
    }
    send(waiting());
    for (int index = 0; index < kSeats; ++index) {
        if (seat(index).computer && seat(index).player.coins < kStake) {
            send(playerLeft(seat(index).player.account));
            seat(index).player = computerPlayer(++computersMade_);
        }
    }
    seatEveryone();
    readyTimer_.start(options_.delayMs);
    for (const Trigger& line : options_.atHandEnd) {
        if (const auto error = trigger(line)) {
            note(u"at the hand's end: "_s + *error);
        }
    }
}

void TableServer::sayPhrase() {
    if (const auto choice = phraseAfterTrick(options_.phrases, phraseRandom_)) {
        const int index = seatFromPlayer(choice->seat);
        send(quickPhrase(seatMask(index), seat(index).player, choice->number,
                         phraseText(choice->number)));
    }
}

GameMessage TableServer::waiting() const {
    return waitingState(false, false, wealthMultiple_);
}

void TableServer::finish() {
    finished_ = true;
    note(u"the hands are played: closing"_s);
    turnTimer_.stop();
    readyTimer_.stop();
    dealTimer_.stop();
    returnTimer_.stop();
    server_.close();
    if (client_) {
        QTcpSocket* socket = std::exchange(client_, nullptr);
        socket->disconnect(this);
        socket->disconnectFromHost();
        if (socket->state() != QAbstractSocket::UnconnectedState) {
            socket->waitForDisconnected(3 * kMsPerSecond);
        }
        socket->deleteLater();
    }
    if (onFinished) {
        onFinished();
    }
}

void TableServer::endSession() {
    turnTimer_.stop();
    readyTimer_.stop();
    dealTimer_.stop();
    phase_ = Phase::Empty;
    hand_.reset();
    history_.clear();
    humanSeat_ = -1;
    nextBanker_ = -1;
    seats_ = {};
}

void TableServer::sendOutside(const GameMessage& message) {
    if (present()) {
        write(message);
    }
}

void TableServer::send(GameMessage message) {
    seq_ = static_cast<std::uint16_t>(seq_ + 1);
    message.setU16le(kSeqNumByte, seq_);
    history_.push_back(message);
    const bool drop = message.command() == MsgPlayMade && options_.dropAfterPlays > 0 &&
                      !dropped_ && ++playsSent_ == options_.dropAfterPlays;
    if (!drop) {
        if (present()) {
            write(message);
        }
        return;
    }
    dropped_ = true;
    if (present() && options_.dropMidMessage) {
        client_->write(message.toByteArray().left(kCutMessageBytes));
        note(u"the play message cut after %1 bytes"_s.arg(kCutMessageBytes));
    } else if (present()) {
        write(message);
    }
    note(u"dropping the connection"_s);
    detachClient();
    connectionLost();
}

void TableServer::write(const GameMessage& message) {
    if (!client_) {
        return;
    }
    client_->write(message.toByteArray());
    logMessage("out", message);
}

void TableServer::shopRequest(const GameMessage& message) {
    switch (message.command()) {
    case MsgShopOrder:
        note(u"shop order: kind %1, goods %2, amount %3"_s.arg(message.u8(16))
                 .arg(message.u32le(17))
                 .arg(message.u32le(21)));
        break;
    case MsgPrizeList: {
        const auto newerThan = static_cast<std::int32_t>(message.u32le(16));
        note(u"winners asked for, newer than %1"_s.arg(newerThan));
        send(winners(options_.winners, newerThan));
        break;
    }
    default:
        note(u"prize pool asked for"_s);
        if (!options_.pool.isEmpty()) {
            send(notice(1, options_.pool));
        }
        break;
    }
}

void TableServer::note(const QString& text) {
    if (log_.isOpen()) {
        log_.write(QByteArray::number(clock_.elapsed()) + " # " + text.toUtf8() + '\n');
        log_.flush();
    }
}

void TableServer::logMessage(const char* direction, const GameMessage& message) {
    if (log_.isOpen()) {
        log_.write(QByteArray::number(clock_.elapsed()) + ' ' + direction + ' ' +
                   QByteArray::number(message.command()) + ' ' + message.toByteArray().toHex() +
                   '\n');
        log_.flush();
    }
}

} // namespace qv::tools::table
