#include "table_client.h"

#include "connection/commands.h"
#include "connection/login_buffer.h"
#include "support/file_wait.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qv::tools::table {
namespace {

using namespace connection;

constexpr int kStartWaitSteps = 200;
constexpr int kStepMs = 50;

std::vector<CardCode> cardsOf(const GameMessage& message, int countByte, int firstByte) {
    std::vector<CardCode> cards;
    for (int k = 0; k < message.u8(countByte); ++k) {
        cards.push_back(static_cast<CardCode>(message.u32le(firstByte + 4 * k)));
    }
    return cards;
}

} // namespace

ServerProcess::ServerProcess(QStringList args) {
    const QString portFile = dir_.filePath(u"port"_s);
    args << u"--port-file"_s << portFile << u"--log"_s << logPath();
    process_.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    process_.setReadChannel(QProcess::StandardError);
    process_.start(QStringLiteral(QV_TABLE_SERVER), args);
    process_.waitForStarted();
    for (int step = 0; step < kStartWaitSteps && port_ == 0; ++step) {
        QFile file(portFile);
        if (file.open(QIODevice::ReadOnly)) {
            port_ = static_cast<quint16>(file.readAll().trimmed().toUInt());
        }
        if (port_ == 0) {
            QThread::msleep(kStepMs);
        }
    }
}

ServerProcess::~ServerProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished();
    }
}

QString ServerProcess::logText() const {
    QFile file(logPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool ServerProcess::waitForLog(const QString& text, int timeoutMs) const {
    return test::waitForFiles(
        {logPath()}, [&] { return logText().contains(text); }, timeoutMs);
}

void ServerProcess::writeLine(const QString& line) {
    process_.write(line.toUtf8() + '\n');
    process_.waitForBytesWritten();
}

bool ServerProcess::waitForError(const QString& text, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!errors_.contains(text) && clock.elapsed() < timeoutMs) {
        process_.waitForReadyRead(std::max(1, timeoutMs - static_cast<int>(clock.elapsed())));
        errors_ += QString::fromUtf8(process_.readAllStandardError());
    }
    return errors_.contains(text);
}

int ServerProcess::waitForExit() {
    if (!process_.waitForFinished(30000)) {
        return -1;
    }
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

TableClient::TableClient(quint16 port) : port_(port) {
    connectTo();
}

void TableClient::connectTo() {
    socket_ = std::make_unique<QTcpSocket>();
    pending_.clear();
    socket_->connectToHost(QHostAddress::LocalHost, port_);
    socket_->waitForConnected();
}

bool TableClient::connected() const {
    return socket_->state() == QAbstractSocket::ConnectedState;
}

void TableClient::send(GameMessage message) {
    message.setU16le(kSeqNumByte, seq_);
    socket_->write(message.toByteArray());
    socket_->waitForBytesWritten();
}

void TableClient::login() {
    send(*BuildLoginBuffer(u"alice"_s, u"secret"_s));
}

void TableClient::ready() {
    GameMessage message;
    message.setCommand(MsgTableState);
    message.setU8(kSeatMaskByte, static_cast<std::uint8_t>(ownMask_));
    message.setU8(15, 1);
    send(message);
}

void TableClient::reconnect(std::optional<std::uint32_t> thread) {
    connectTo();
    GameMessage request = *BuildLoginBuffer(u"alice"_s, u"secret"_s);
    request.setCommand(MsgReconnect);
    request.setU32le(kThreadIndexByte, thread.value_or(thread_));
    send(request);
}

std::optional<GameMessage> TableClient::next(int timeoutMs) {
    while (pending_.size() < kMessageSize) {
        if (socket_->bytesAvailable() == 0 && !socket_->waitForReadyRead(timeoutMs)) {
            pending_ += socket_->readAll();
            if (pending_.size() < kMessageSize) {
                return std::nullopt;
            }
            break;
        }
        pending_ += socket_->readAll();
    }
    GameMessage message = GameMessage::fromBytes(pending_.left(kMessageSize));
    pending_.remove(0, kMessageSize);
    return message;
}

void TableClient::observe(const GameMessage& message) {
    if (capturesSequence(message.command())) {
        seq_ = message.u16le(kSeqNumByte);
        sequences_.push_back(seq_);
    }
    switch (message.command()) {
    case MsgPlayerSeated:
        if (ownMask_ == 0) {
            ownMask_ = message.u8(kSeatMaskByte) & 15;
        }
        break;
    case MsgRoundStart:
        hand_ = cardsOf(message, 8, 16);
        rules::sortHandOrder(hand_);
        thread_ = message.u32le(kThreadIndexByte);
        toBeat_ = {};
        played_ = {};
        break;
    case MsgPlayMade: {
        const int mover = message.u8(kSeatMaskByte);
        const bool opening = message.u8(17) == 0 && played_ == decltype(played_){} && leading();
        const Play play{cardsOf(message, 17, 20), message.u8(18)};
        if (!play.cards.empty()) {
            const Play checked = classify(play.cards);
            if (checked.type != play.type || !beats(checked, toBeat_)) {
                faults_.push_back(u"seat %1 made an illegal play"_s.arg(mover));
            }
            toBeat_ = play;
            played_[static_cast<std::size_t>(mover & 15)] += static_cast<int>(play.cards.size());
        } else if (leading() && !opening) {
            faults_.push_back(u"seat %1 passed on a lead"_s.arg(mover));
        }
        if (mover == ownMask_) {
            for (const CardCode card : play.cards) {
                const auto at = std::find(hand_.begin(), hand_.end(), card);
                if (at == hand_.end()) {
                    faults_.push_back(u"a card of mine I do not hold was played"_s);
                } else {
                    hand_.erase(at);
                }
            }
        }
        const int state = message.u8(15);
        if (state == 1 || state == 9 || state == 10) {
            toBeat_ = {};
        }
        if (message.u8(11) == ownMask_) {
            token_ = message.u8(kTurnTokenByte);
        }
        break;
    }
    case MsgResult:
        results_.push_back(message);
        break;
    default:
        break;
    }
}

bool TableClient::myTurn(const GameMessage& message) const {
    return message.command() == MsgPlayMade && ownMask_ != 0 && message.u8(11) == ownMask_;
}

bool TableClient::myCall(const GameMessage& message) const {
    return message.command() == MsgRoundStart && (message.u8(15) & 15) == ownMask_;
}

int TableClient::played(int mask) const {
    return played_[static_cast<std::size_t>(mask & 15)];
}

void TableClient::playTurn() {
    if (leading()) {
        sendPlay({rules::cardDeckIndex(hand_.back())});
        return;
    }
    if (toBeat_.type == rules::PlaySingle) {
        for (auto card = hand_.rbegin(); card != hand_.rend(); ++card) {
            if (beats(classify({*card}), toBeat_)) {
                sendPlay({rules::cardDeckIndex(*card)});
                return;
            }
        }
    }
    sendPlay({});
}

void TableClient::callPartner() {
    const auto card = std::find_if(hand_.rbegin(), hand_.rend(),
                                   [](CardCode c) { return rules::cardFace(c) <= 9; });
    if (card == hand_.rend()) {
        return;
    }
    GameMessage message;
    message.setCommand(MsgCallCard);
    message.setU8(kSeatMaskByte, static_cast<std::uint8_t>(ownMask_));
    message.setU8(kTurnTokenByte, static_cast<std::uint8_t>(token_));
    message.setU8(8, static_cast<std::uint8_t>(ownMask_));
    message.setU8(9, 1);
    message.setU8(12, static_cast<std::uint8_t>(rules::cardFace(*card)));
    message.setU8(13, static_cast<std::uint8_t>(rules::cardSuit(*card)));
    send(message);
}

void TableClient::sendPlay(const std::vector<int>& deckIndexes) {
    GameMessage message;
    message.setCommand(MsgPlayCards);
    message.setU8(kSeatMaskByte, static_cast<std::uint8_t>(ownMask_));
    message.setU8(kTurnTokenByte, static_cast<std::uint8_t>(token_));
    message.setU8(15, deckIndexes.empty() ? 1 : 2);
    message.setU8(17, static_cast<std::uint8_t>(deckIndexes.size()));
    for (std::size_t i = 0; i < deckIndexes.size(); ++i) {
        message.setU8(20 + static_cast<int>(i), static_cast<std::uint8_t>(deckIndexes[i]));
    }
    send(message);
}

} // namespace qv::tools::table
