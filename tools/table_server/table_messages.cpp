#include "table_messages.h"

#include "common/gbk.h"
#include "connection/commands.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qv::tools::table {
namespace {

using namespace connection;

constexpr int kResultField = 15;
constexpr int kRecordSize = 100;
constexpr int kMaxPlayCards = 27;
constexpr int kPlayCardsByte = 20;
constexpr int kDealCardsByte = 16;
constexpr int kWealthByte = 234;
constexpr int kCoinsShortState = 3;
constexpr int kRemovalTextBytes = 200;
constexpr int kChatTextBytes = 200;
constexpr std::uint8_t kVoicedPhrase = 2;
constexpr std::uint8_t kVoiceLetter = 97;

GameMessage withCommand(std::uint8_t command) {
    GameMessage message;
    message.setCommand(command);
    return message;
}

void setU64le(GameMessage& message, int offset, std::uint64_t value) {
    message.setU32le(offset, static_cast<std::uint32_t>(value & 0xFFFFFFFFU));
    message.setU32le(offset + 4, static_cast<std::uint32_t>(value >> 32));
}

std::uint64_t magnitude(std::int64_t amount) {
    return static_cast<std::uint64_t>(amount < 0 ? -amount : amount);
}

/// GBK text cut to a field on a whole character.
void writeText(GameMessage& message, int offset, int fieldBytes, const QString& text) {
    QByteArray bytes = toGbk(text).value_or(QByteArray());
    while (bytes.size() > fieldBytes) {
        QString shorter = fromGbkLenient(bytes);
        shorter.chop(1);
        bytes = toGbk(shorter).value_or(QByteArray());
    }
    message.writeBytes(offset, bytes);
}

void writeAccount(GameMessage& message, int offset, const QByteArray& account) {
    message.writeBytes(offset, account.left(16));
}

void writeRecord(GameMessage& message, int base, const ResultRecord& record) {
    const auto at = [base](int rowByte) {
        return base + rowByte - 16;
    };
    message.setU8(at(16), static_cast<std::uint8_t>(record.seatMask));
    message.setU8(at(17), static_cast<std::uint8_t>(record.cardsLeft.size()));
    for (std::size_t k = 0; k < record.cardsLeft.size() && k < 27; ++k) {
        const int offset = at(18) + 2 * static_cast<int>(k);
        message.setU8(offset, static_cast<std::uint8_t>(rules::cardFace(record.cardsLeft[k])));
        message.setU8(offset + 1, static_cast<std::uint8_t>(rules::cardSuit(record.cardsLeft[k])));
    }
    message.setU8(at(72), static_cast<std::uint8_t>(signByte(record.total)));
    setU64le(message, at(73), magnitude(record.total));
    setU64le(message, at(81), magnitude(record.total));
    message.setU8(at(89), static_cast<std::uint8_t>(signByte(record.bombTotal)));
    setU64le(message, at(90), magnitude(record.bombTotal));
    message.setU8(at(98), static_cast<std::uint8_t>(record.level));
    message.setU8(at(99), static_cast<std::uint8_t>(record.place));
    message.setU8(at(100), static_cast<std::uint8_t>(record.placeScoreSign));
    message.setU8(at(101), static_cast<std::uint8_t>(record.partnerMask));
}

} // namespace

int signByte(std::int64_t amount) {
    if (amount > 0) {
        return 1;
    }
    return amount < 0 ? 2 : 0;
}

GameMessage loginReply(int result, int autoPlayAfter) {
    GameMessage message = withCommand(MsgLogin);
    message.setU8(9, static_cast<std::uint8_t>(autoPlayAfter));
    message.setU8(kResultField, static_cast<std::uint8_t>(result));
    return message;
}

GameMessage playerSeated(int receiverMask, int seatMask, const SeatedPlayer& player, bool ready,
                         std::int32_t wealthMultiple, bool pluginAllowed) {
    GameMessage message = withCommand(MsgPlayerSeated);
    message.setU8(kSeatMaskByte, static_cast<std::uint8_t>(receiverMask));
    writeText(message, 16, 32, player.nickname);
    message.writeBytes(48, player.face.left(16));
    message.setU8(64, static_cast<std::uint8_t>(player.sex));
    writeText(message, 72, 8, player.location);
    setU64le(message, 96, static_cast<std::uint64_t>(std::max<std::int64_t>(player.coins, 0)));
    writeText(message, 112, 16, player.levelName);
    message.setU32le(160, static_cast<std::uint32_t>(player.wins));
    message.setU32le(164, static_cast<std::uint32_t>(player.losses));
    writeAccount(message, 168, player.account);
    writeText(message, 184, 24, player.nameTag);
    message.setU8(208, ready ? 1 : 0);
    message.setU8(209, static_cast<std::uint8_t>(player.vip));
    message.setU8(226, static_cast<std::uint8_t>(seatMask));
    message.setU32le(kWealthByte, static_cast<std::uint32_t>(wealthMultiple));
    message.setU8(kCountdownByte, pluginAllowed ? 0 : 1);
    return message;
}

GameMessage pluginMessage(int command) {
    GameMessage message = withCommand(static_cast<std::uint8_t>(command));
    message.setU8(kResultField, 1);
    return message;
}

GameMessage waitingState(bool randomSeats, bool showSeatChange, std::int32_t wealthMultiple) {
    GameMessage message = tableState(kWaitingState);
    message.setU8(11, randomSeats ? 1 : 0);
    message.setU8(13, showSeatChange ? 1 : 0);
    message.setU32le(16, static_cast<std::uint32_t>(wealthMultiple));
    return message;
}

GameMessage tableState(int state) {
    GameMessage message = withCommand(MsgTableState);
    message.setU8(kResultField, static_cast<std::uint8_t>(state));
    return message;
}

GameMessage coinsShort(int shortMask) {
    GameMessage message = tableState(kCoinsShortState);
    message.setU8(kSeatMaskByte, static_cast<std::uint8_t>(shortMask));
    message.setU8(11, static_cast<std::uint8_t>(shortMask));
    return message;
}

GameMessage playerReady(const QByteArray& account) {
    GameMessage message = withCommand(MsgPlayerReady);
    message.setU8(kResultField, 1);
    writeAccount(message, 16, account);
    return message;
}

GameMessage playerLeft(const QByteArray& account) {
    GameMessage message = withCommand(MsgPlayerLeft);
    writeAccount(message, 16, account);
    return message;
}

GameMessage removal(const QString& reason) {
    GameMessage message = withCommand(MsgKicked);
    writeText(message, 16, kRemovalTextBytes, reason);
    return message;
}

GameMessage quickPhrase(int seatMask, const SeatedPlayer& speaker, int number,
                        const QString& phrase) {
    GameMessage message = withCommand(MsgChat);
    message.setU8(kSeatMaskByte, static_cast<std::uint8_t>(seatMask));
    message.setU8(9, kVoicedPhrase);
    message.setU8(13, kVoiceLetter);
    message.setU8(kResultField, static_cast<std::uint8_t>(number));
    writeText(message, 16, kChatTextBytes, speaker.nickname + u"说道： "_s + phrase);
    writeAccount(message, 217, speaker.account);
    return message;
}

GameMessage roundStart(std::span<const CardCode> cards, int turnSeconds, int bankerMask,
                       const QString& note, std::uint32_t threadIndex) {
    GameMessage message = withCommand(MsgRoundStart);
    message.setU8(8, static_cast<std::uint8_t>(cards.size()));
    message.setU8(12, static_cast<std::uint8_t>(turnSeconds));
    message.setU8(kResultField, static_cast<std::uint8_t>(bankerMask));
    for (std::size_t i = 0; i < cards.size(); ++i) {
        message.setU32le(kDealCardsByte + 4 * static_cast<int>(i),
                         static_cast<std::uint32_t>(cards[i]));
    }
    writeText(message, 235, 20, note);
    message.setU32le(kThreadIndexByte, threadIndex);
    return message;
}

GameMessage partnerCall(int callerMask, int face, int suitFlag) {
    GameMessage message = withCommand(MsgCallCard);
    message.setU8(8, static_cast<std::uint8_t>(callerMask));
    message.setU8(12, static_cast<std::uint8_t>(face));
    message.setU8(13, static_cast<std::uint8_t>(suitFlag));
    return message;
}

GameMessage playMade(const PlayMade& play) {
    GameMessage message = withCommand(MsgPlayMade);
    message.setU8(kSeatMaskByte, static_cast<std::uint8_t>(play.moverMask));
    message.setU8(kTurnTokenByte, static_cast<std::uint8_t>(play.token));
    message.setU8(11, static_cast<std::uint8_t>(play.nextMask));
    message.setU8(kResultField, static_cast<std::uint8_t>(play.trickState));
    message.setU8(16, play.jieFeng ? 1 : 0);
    message.setU8(17, static_cast<std::uint8_t>(play.cards.size()));
    message.setU8(18, static_cast<std::uint8_t>(play.type));
    for (std::size_t k = 0; k < play.cards.size(); ++k) {
        message.setU32le(kPlayCardsByte + 4 * static_cast<int>(k),
                         static_cast<std::uint32_t>(play.cards[k]));
    }
    message.setU8(kCountdownByte, static_cast<std::uint8_t>(play.turnSeconds));
    return message;
}

GameMessage handResult(const ResultShared& shared, const ResultRecord& first,
                       const ResultRecord& second) {
    GameMessage message = withCommand(MsgResult);
    message.setU32be(8, shared.stake);
    message.setU8(12, shared.solo ? 1 : 0);
    message.setU8(14, static_cast<std::uint8_t>(shared.placeFactor));
    message.setU8(kResultField, 1);
    writeRecord(message, 16, first);
    writeRecord(message, 16 + kRecordSize, second);
    return message;
}

GameMessage reconnectReply(bool accepted) {
    GameMessage message = withCommand(MsgReconnectReply);
    message.setU8(kResultField, accepted ? 1 : 0);
    return message;
}

QByteArray requestAccount(const GameMessage& request) {
    return request.textField(16, 16);
}

std::uint16_t requestSequence(const GameMessage& request) {
    return request.u16le(kSeqNumByte);
}

std::uint32_t requestThread(const GameMessage& request) {
    return request.u32le(kThreadIndexByte);
}

PlayRequest readPlay(const GameMessage& message) {
    PlayRequest play;
    play.seatMask = message.u8(kSeatMaskByte);
    play.token = message.u8(kTurnTokenByte);
    play.pass = message.u8(kResultField) == 1;
    const int count = std::min<int>(message.u8(17), kMaxPlayCards);
    for (int i = 0; !play.pass && i < count; ++i) {
        play.deckIndexes.push_back(message.u8(kPlayCardsByte + i));
    }
    return play;
}

CallRequest readCall(const GameMessage& message) {
    return {message.u8(kSeatMaskByte), message.u8(12), message.u8(13)};
}

} // namespace qv::tools::table
