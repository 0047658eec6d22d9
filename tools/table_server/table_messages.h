#pragma once

// The table server's side of the game connection: the messages it builds for the client and the
// fields it reads from the client's messages. Offsets are wire offsets of the 272-byte message;
// byte 3 is the command, bytes 260-261 the server's sequence number (little-endian, stamped when
// the message is sent), every byte not listed is 0. Integers are little-endian unless marked BE;
// "8-byte" is an unsigned little-endian magnitude; texts are GBK, ended by a zero byte.
//
// Server -> client
//   18 login reply   9 time-outs before automatic play (0 never); 15 result (1 accepted,
//                    2 start failed, other: verification error); 16-115 banner address (empty)
//   20 seated        6 the receiver's own seat mask; 16-47 nickname; 48-63 face code ("m1".."w10");
//                    64 sex (0 female); 72-79 location (2-byte text); 80-87 score 8-byte;
//                    88-95 member level 8-byte; 96-103 coins 8-byte; 112-127 level name (2-byte
//                    text); 152/156/160/164 logins, disconnects, wins, losses (32-bit);
//                    168-183 account; 184-207 name tag (2-byte text); 208 1 = ready; 209 vip;
//                    226 the seated player's seat mask; 234-237 wealth multiple (0 none);
//                    255 1 = no item plug-in at this table
//   16 table state   15 state (0 waiting for the next hand, 1 nothing more, 2 a hand is near,
//                    3 coins short); 6 and 11 the seats short of coins (state 3); state 0:
//                    11 1 = random seats, 13 1 = show the seat change now, 16-19 the wealth
//                    multiple (signed)
//   23 player ready  15 1; 16-31 the account
//   21 player left   8 0 (the account is sent as it is); 11 0 (15-second ready countdown);
//                    16-31 the account
//   22 removal       16-215 the reason
//    1 round start   8 27 cards; 12 turn seconds; 15 banker's seat mask; 16+4i card i as a card
//                    code (suit flag, face, 0, deck index); 235-255 round note; 268-271 thread
//    2 partner call  8 caller's seat mask; 12 face; 13 suit flag
//    6 play made     6 mover's seat mask; 7 turn token; 11 next seat's mask (0 after the hand's
//                    last play); 15 trick state (0 beat or pass, 1 trick over: free lead);
//                    16 1 = the lead passes to a finished player's partner; 17 card count
//                    (0 pass); 18 play type; 20+4k card k as a card code; 255 turn seconds
//    9 result        two messages, two seats each. Shared: 8-11 room stake BE; 12 solo flag;
//                    13 0 (closing block); 14 place factor; 15 1 (coins). Seat record at 16
//                    (first seat) and 116 (second), offsets below for the first:
//                    16 seat mask; 17 cards left; 18+2k (face, suit flag) of card k left;
//                    72 total sign (1 plus, 2 minus, 0 zero); 73-80 total; 81-88 final score;
//                    89 bomb sign; 90-97 bomb total; 98 level; 99 place; 100 place-score sign;
//                    101 partner's seat mask; 112 cap flag
//   19 chat          relayed as the client sent it; a computer player's quick phrase: 6 his
//                    seat mask; 9 2 (voiced); 13 97 (the voice letter "a"); 15 phrase number;
//                    16-215 nickname, "说道： " and the phrase; 217-232 his account
//   29 reconnect     15 1 accepted, other refused (carries no sequence number)
//
// Client -> server
//   18 login         16.. user name (one byte a character, ended by 32 or a zero); 32.. credential
//   28 reconnect     as the login; 260-261 the last sequence number taken; 268-271 thread
//   16 ready/leave   6 own seat mask; 15 1 ready, 0 leave
//    2 partner call  6 own seat mask; 7 turn token; 8 caller; 9 1; 12 face; 13 suit flag
//    7 play/pass     6 own seat mask; 7 turn token; 15 1 pass, 2 play; 16 partner shown;
//                    17 card count; 18 play type; 20+i deck index of card i
//   19 chat          relayed; 24 keep-alive: read and dropped

#include "connection/game_message.h"
#include "rules/card_code.h"
#include "rules/play_type.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace qv::tools::table {

using connection::GameMessage;
using rules::CardCode;
using rules::PlayType;

/// What the seating message tells about a player.
struct SeatedPlayer {
    QString nickname;
    QByteArray account;
    QByteArray face;
    int sex = 1;
    std::int64_t coins = 0;
    int level = 1;
    QString levelName;
    QString location;
    QString nameTag;
    int vip = 0;
    int wins = 0;
    int losses = 0;
};

GameMessage loginReply(int result, int autoPlayAfter);
/// A seating; `pluginAllowed` offers the item plug-in at the table.
GameMessage playerSeated(int receiverMask, int seatMask, const SeatedPlayer& player, bool ready,
                         std::int32_t wealthMultiple, bool pluginAllowed);
/// A message of the item plug-in's with `command`.
GameMessage pluginMessage(int command);

/// The table waits for the next hand: whether seats change at random before it, whether the
/// seat change shows now, and the table's wealth multiple.
GameMessage waitingState(bool randomSeats, bool showSeatChange, std::int32_t wealthMultiple);
/// A table state without fields of its own (1 nothing more, 2 a hand is near).
GameMessage tableState(int state);
/// The table state that has the players wait for the next hand.
inline constexpr int kWaitingState = 0;
/// The seats of the mask are short of coins.
GameMessage coinsShort(int shortMask);
GameMessage playerReady(const QByteArray& account);
GameMessage playerLeft(const QByteArray& account);
/// The player is removed from the table; the reason is cut to its field on a whole character.
GameMessage removal(const QString& reason);
/// A computer player's voiced quick phrase, as the client's own phrases travel.
GameMessage quickPhrase(int seatMask, const SeatedPlayer& speaker, int number,
                        const QString& phrase);
GameMessage roundStart(std::span<const CardCode> cards, int turnSeconds, int bankerMask,
                       const QString& note, std::uint32_t threadIndex);
GameMessage partnerCall(int callerMask, int face, int suitFlag);

struct PlayMade {
    int moverMask = 0;
    int nextMask = 0;
    int token = 0;
    int trickState = 0;
    bool jieFeng = false;
    std::vector<CardCode> cards;
    PlayType type = rules::PlayNone;
    int turnSeconds = 0;
};
GameMessage playMade(const PlayMade& play);

/// One seat's line of the hand result.
struct ResultRecord {
    int seatMask = 0;
    std::vector<CardCode> cardsLeft;
    std::int64_t total = 0;
    std::int64_t bombTotal = 0;
    int placeScoreSign = 0;
    int level = 1;
    int place = 0;
    int partnerMask = 0;
};
struct ResultShared {
    std::uint32_t stake = 0;
    bool solo = false;
    int placeFactor = 0;
};
GameMessage handResult(const ResultShared& shared, const ResultRecord& first,
                       const ResultRecord& second);
GameMessage reconnectReply(bool accepted);

/// The sign byte of an amount: 1 plus, 2 minus, 0 zero.
int signByte(std::int64_t amount);

// Client messages.
inline constexpr int kSeqNumByte = connection::kSeqNumByte;

/// The user name of a login or reconnect request: bytes 16 up to a zero byte or byte 32.
QByteArray requestAccount(const GameMessage& request);
std::uint16_t requestSequence(const GameMessage& request);
std::uint32_t requestThread(const GameMessage& request);

struct PlayRequest {
    int seatMask = 0;
    int token = 0;
    bool pass = false;
    std::vector<int> deckIndexes;
};
/// A play or pass; the card count is clamped to what the message can hold.
PlayRequest readPlay(const GameMessage& message);

struct CallRequest {
    int seatMask = 0;
    int face = 0;
    int suitFlag = 0;
};
CallRequest readCall(const GameMessage& message);

} // namespace qv::tools::table
