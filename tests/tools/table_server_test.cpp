#include "between/server_branches.h"
#include "chat/chat_frame.h"
#include "chat/chat_message.h"
#include "connection/commands.h"
#include "connection/player_seated.h"
#include "shop/bag.h"
#include "shop/notices.h"
#include "table_client.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <set>

using namespace Qt::StringLiterals;

namespace qv::tools::table {
namespace {

using namespace connection;

constexpr int kNoMove = -1;

/// Plays until both result messages have come, answering every call and turn. `onTurn` may
/// take a turn over (returning true); a dropped connection is handed to `onDrop`, which says
/// whether to go on. False when the connection ended before the result.
bool playHand(TableClient& client, const std::function<bool(const GameMessage&)>& onTurn = {},
              const std::function<bool()>& onDrop = {}) {
    while (client.results().size() < 2) {
        const auto message = client.next();
        if (!message) {
            if (onDrop && onDrop()) {
                continue;
            }
            return false;
        }
        client.observe(*message);
        if (message->command() == MsgTableState && message->u8(15) == 0) {
            client.ready();
        } else if (client.myCall(*message)) {
            client.callPartner();
        } else if (client.myTurn(*message) && !(onTurn && onTurn(*message))) {
            client.playTurn();
        }
    }
    return true;
}

/// The result rows of the two messages, by seat mask: place and signed total.
struct Row {
    int mask;
    int place;
    std::int64_t total;
    int cardsLeft;
};
std::vector<Row> resultRows(const std::vector<GameMessage>& results) {
    std::vector<Row> rows;
    for (const GameMessage& message : results) {
        for (const int base : {16, 116}) {
            rows.push_back({message.u8(base), message.u8(base + 99 - 16),
                            message.signedAmount(base + 73 - 16, base + 72 - 16),
                            message.u8(base + 1)});
        }
    }
    return rows;
}

// With a fixed seed the client logs in, is seated with three computer players, gets ready,
// plays the whole hand over the loopback socket and receives the two result messages; every
// play on the table keeps the rules, the places and amounts add up, and the server closes.
TEST(TableServerTest, AWholeHandIsPlayedToTheResult) {
    ServerProcess server({u"--seed"_s, u"7"_s, u"--delay"_s, u"0"_s, u"--hands"_s, u"1"_s});
    ASSERT_NE(server.port(), 0);
    TableClient client(server.port());
    ASSERT_TRUE(client.connected());
    client.login();
    ASSERT_TRUE(playHand(client));

    EXPECT_TRUE(client.faults().empty()) << client.faults().front().toStdString();
    const auto rows = resultRows(client.results());
    ASSERT_EQ(rows.size(), 4U);
    std::set<int> masks;
    std::set<int> places;
    std::int64_t sum = 0;
    for (const Row& row : rows) {
        masks.insert(row.mask);
        places.insert(row.place);
        sum += row.total;
        EXPECT_EQ(client.played(row.mask) + row.cardsLeft, kHandSize) << "seat " << row.mask;
        if (row.mask == client.ownMask()) {
            EXPECT_EQ(row.cardsLeft, static_cast<int>(client.hand().size()));
        }
    }
    EXPECT_EQ(masks, (std::set<int>{1, 2, 4, 8}));
    EXPECT_EQ(places, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(sum, 0);
    EXPECT_FALSE(client.next());
    EXPECT_EQ(server.waitForExit(), 0);

    const QString log = server.logText();
    EXPECT_TRUE(log.contains(u" in 18 "_s));
    EXPECT_TRUE(log.contains(u" out 9 "_s));
}

// One seed, one game: two runs deal the same cards and reach the same result.
TEST(TableServerTest, TheSeedReplaysTheGame) {
    std::vector<std::vector<GameMessage>> results;
    for (int run = 0; run < 2; ++run) {
        ServerProcess server({u"--seed"_s, u"11"_s, u"--delay"_s, u"0"_s, u"--hands"_s, u"1"_s});
        TableClient client(server.port());
        client.login();
        EXPECT_TRUE(playHand(client));
        results.push_back(client.results());
    }
    EXPECT_EQ(results[0], results[1]);
}

// A chat message comes back to the table as it was sent, in its turn among the table's messages.
TEST(TableServerTest, ChatIsRelayed) {
    ServerProcess server({u"--seed"_s, u"2"_s, u"--delay"_s, u"0"_s});
    TableClient client(server.port());
    client.login();
    GameMessage chat;
    chat.setCommand(MsgChat);
    chat.setU8(9, 1);
    chat.writeBytes(16, "hello");
    chat.writeBytes(217, "alice");
    client.send(chat);
    std::optional<GameMessage> relayed;
    while (const auto message = client.next()) {
        if (message->command() == MsgChat) {
            relayed = message;
            break;
        }
    }
    ASSERT_TRUE(relayed);
    EXPECT_EQ(relayed->textField(16, 200), "hello");
    EXPECT_EQ(relayed->textField(217, 16), "alice");
}

struct IllegalPlay {
    const char* name;
    /// The deck indexes to send, or nothing when the case does not fit this turn.
    std::function<std::optional<std::vector<int>>(const TableClient&)> build;
    friend void PrintTo(const IllegalPlay& c, std::ostream* os) { *os << c.name; }
};

int missingIndex(const TableClient& client) {
    for (int index = 0; index < 108; ++index) {
        if (std::none_of(client.hand().begin(), client.hand().end(),
                         [index](CardCode c) { return rules::cardDeckIndex(c) == index; })) {
            return index;
        }
    }
    return kNoMove;
}

const IllegalPlay kIllegalPlays[] = {
    {"a card not held",
     [](const TableClient& c) {
         return std::optional(std::vector<int>{missingIndex(c)});
     }},
    {"one card twice",
     [](const TableClient& c) {
         const int index = rules::cardDeckIndex(c.hand().back());
         return std::optional(std::vector<int>{index, index});
     }},
    {"cards forming no play",
     [](const TableClient& c) -> std::optional<std::vector<int>> {
         for (const CardCode high : c.hand()) {
             for (const CardCode low : c.hand()) {
                 if (high != low && classify({high, low}).type == rules::PlayNone) {
                     return std::vector<int>{rules::cardDeckIndex(high), rules::cardDeckIndex(low)};
                 }
             }
         }
         return std::nullopt;
     }},
    {"a pass on a lead",
     [](const TableClient& c) -> std::optional<std::vector<int>> {
         return c.leading() ? std::optional(std::vector<int>{}) : std::nullopt;
     }},
    {"a card that does not beat",
     [](const TableClient& c) -> std::optional<std::vector<int>> {
         for (const CardCode card : c.hand()) {
             if (!c.leading() && !beats(classify({card}), c.toBeat())) {
                 return std::vector<int>{rules::cardDeckIndex(card)};
             }
         }
         return std::nullopt;
     }},
};

class RefusedPlayTest : public testing::TestWithParam<IllegalPlay> {};

// An illegal play is refused: the server makes the player's move at once, his lowest card on a
// lead and a pass otherwise, and the hand goes on.
TEST_P(RefusedPlayTest, TheServerMovesForThePlayer) {
    ServerProcess server({u"--seed"_s, u"3"_s, u"--delay"_s, u"0"_s, u"--hands"_s, u"1"_s});
    TableClient client(server.port());
    client.login();
    bool sent = false;
    std::optional<CardCode> expected;
    std::optional<GameMessage> answer;
    EXPECT_TRUE(playHand(client, [&](const GameMessage&) {
        if (sent) {
            return false;
        }
        const auto indexes = GetParam().build(client);
        if (!indexes) {
            return false;
        }
        sent = true;
        if (client.leading()) {
            expected = client.hand().back();
        }
        client.sendPlay(*indexes);
        const auto reply = client.next();
        if (reply) {
            answer = reply;
            client.observe(*reply);
        }
        return true;
    }));
    ASSERT_TRUE(sent) << "no turn fitted the case";
    ASSERT_TRUE(answer);
    ASSERT_EQ(answer->command(), MsgPlayMade);
    EXPECT_EQ(answer->u8(kSeatMaskByte), client.ownMask());
    if (expected) {
        ASSERT_EQ(answer->u8(17), 1);
        EXPECT_EQ(static_cast<CardCode>(answer->u32le(20)), *expected);
    } else {
        EXPECT_EQ(answer->u8(17), 0);
    }
    EXPECT_TRUE(server.logText().contains(u"# refused"_s));
    EXPECT_TRUE(client.faults().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedPlayTest, testing::ValuesIn(kIllegalPlays),
                         [](const auto& param) {
                             std::string name = param.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

/// Plays the one hand of a server that drops the connection once, reconnecting when the drop
/// is noticed and `beforeReconnect` has returned; checks that the reconnect is accepted and that
/// every message missed comes again, none twice, up to the result, and that the table closes.
void playThroughTheDrop(ServerProcess& server, const std::function<void()>& beforeReconnect) {
    TableClient client(server.port());
    client.login();
    int drops = 0;
    EXPECT_TRUE(playHand(client, {}, [&] {
        ++drops;
        beforeReconnect();
        client.reconnect();
        const auto reply = client.next();
        return drops == 1 && reply && reply->command() == MsgReconnectReply && reply->u8(15) == 1;
    }));
    EXPECT_EQ(drops, 1);
    EXPECT_TRUE(client.faults().empty());
    const auto& seqs = client.sequences();
    for (std::size_t i = 1; i < seqs.size(); ++i) {
        EXPECT_EQ(seqs[i], seqs[i - 1] + 1) << "message " << i;
    }
    EXPECT_FALSE(client.next());
    EXPECT_EQ(server.waitForExit(), 0);
}

const QStringList kDropOnceArgs = {u"--seed"_s,
                                   u"5"_s,
                                   u"--delay"_s,
                                   u"0"_s,
                                   u"--hands"_s,
                                   u"1"_s,
                                   u"--drop-after-plays"_s,
                                   u"4"_s,
                                   u"--reconnect"_s,
                                   u"accept"_s};

// With --drop-after-plays the server drops the connection mid-hand and plays on for the absent
// player; the client's reconnect request is accepted and every message it missed comes again,
// whether the hand is still running or already over.
TEST(TableServerTest, AReconnectGetsWhatWasMissed) {
    ServerProcess server(kDropOnceArgs);
    playThroughTheDrop(server, [] {});
}

// The last hand ended while the player was away: the table waits for him instead of closing,
// and his reconnect still gets the result.
TEST(TableServerTest, APlayerAwayWhenTheLastHandEndsGetsTheResult) {
    ServerProcess server(kDropOnceArgs);
    playThroughTheDrop(server, [&server] {
        EXPECT_TRUE(server.waitForLog(u"waiting for the player to come back"_s));
    });
}

struct RefusedReconnect {
    const char* name;
    const char* mode;
    std::uint32_t threadOffset;
    friend void PrintTo(const RefusedReconnect& c, std::ostream* os) { *os << c.name; }
};

class RefusedReconnectTest : public testing::TestWithParam<RefusedReconnect> {};

// A reconnect is refused when the server is told to refuse, or when the request names another
// hand; the server then closes the connection.
TEST_P(RefusedReconnectTest, TheServerSaysNoAndCloses) {
    ServerProcess server({u"--seed"_s, u"5"_s, u"--delay"_s, u"0"_s, u"--drop-after-plays"_s,
                          u"4"_s, u"--reconnect"_s, QString::fromLatin1(GetParam().mode)});
    TableClient client(server.port());
    client.login();
    std::optional<GameMessage> reply;
    EXPECT_FALSE(playHand(client, {}, [&] {
        client.reconnect(client.thread() + GetParam().threadOffset);
        reply = client.next();
        return false;
    }));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->command(), MsgReconnectReply);
    EXPECT_EQ(reply->u8(15), 0);
    EXPECT_FALSE(client.next());
}

const RefusedReconnect kRefusedReconnects[] = {
    {"refuse_mode", "refuse", 0},
    {"another_hand", "accept", 1},
};

INSTANTIATE_TEST_SUITE_P(Cases, RefusedReconnectTest, testing::ValuesIn(kRefusedReconnects),
                         [](const auto& param) { return std::string(param.param.name); });

/// The seats as the client knows them from the seating messages, by seat mask.
struct SeenTable {
    std::map<int, PlayerSeated> seats;

    void observe(const GameMessage& message) {
        if (message.command() == MsgPlayerSeated) {
            const PlayerSeated seated = DecodePlayerSeated(message);
            seats[seated.seat] = seated;
        }
    }
    [[nodiscard]] QString account(int mask) const { return seats.at(mask).detail.account; }
};

/// The mask of the seat `counted` seats after the player in the order of play.
int seatAfter(int ownMask, int counted) {
    int own = 0;
    while ((ownMask >> own) != 1) {
        ++own;
    }
    return 1 << ((own + counted) % kSeats);
}

/// Answers the table as a player does until a message satisfies `stop`, and returns it; nothing
/// when the connection ended first.
std::optional<GameMessage> playUntil(TableClient& client, SeenTable& table,
                                     const std::function<bool(const GameMessage&)>& stop) {
    while (const auto message = client.next()) {
        client.observe(*message);
        table.observe(*message);
        if (stop(*message)) {
            return message;
        }
        if (message->command() == MsgTableState && message->u8(15) == 0) {
            client.ready();
        } else if (client.myCall(*message)) {
            client.callPartner();
        } else if (client.myTurn(*message)) {
            client.playTurn();
        }
    }
    return std::nullopt;
}

struct TriggerCase {
    const char* name;
    /// Trigger lines, UTF-8, written once the table is quiet: seated, and the computer players
    /// ready while the player is not.
    std::vector<const char*> lines;
    /// The commands of the messages that follow, in order.
    std::vector<int> commands;
    /// Checks those messages against the table as it was before the lines.
    std::function<void(const std::vector<GameMessage>&, const SeenTable&, int ownMask)> check;
    /// What the standard error reports, if anything.
    const char* error = "";
    friend void PrintTo(const TriggerCase& c, std::ostream* os) { *os << c.name; }
};

between::TableStateMsg tableState(const GameMessage& message) {
    return *between::DecodeTableState(message);
}

/// A departure of the seat `counted` after the player: the leave names him and a new player
/// sits at his seat.
void expectReplaced(const GameMessage& left, const GameMessage& seated, const SeenTable& table,
                    int ownMask, int counted) {
    const int mask = seatAfter(ownMask, counted);
    EXPECT_EQ(between::DecodePlayerLeft(left)->account, table.account(mask));
    const PlayerSeated newcomer = DecodePlayerSeated(seated);
    EXPECT_EQ(newcomer.ownSeat, ownMask);
    EXPECT_EQ(newcomer.seat, mask);
    EXPECT_FALSE(newcomer.detail.account.isEmpty());
    EXPECT_NE(newcomer.detail.account, table.account(mask));
}

const TriggerCase kTriggerCases[] = {
    {"waiting",
     {"state 0"},
     {MsgTableState},
     [](const auto& m, const auto&, int) {
         const auto state = tableState(m[0]);
         EXPECT_EQ(state.state, 0);
         EXPECT_EQ(state.byte11, 0);
         EXPECT_FALSE(state.showSeatChangeNow);
         EXPECT_EQ(state.multiple, 0);
     }},
    {"seat_change_now",
     {"state 0 random now"},
     {MsgTableState},
     [](const auto& m, const auto&, int) {
         const auto state = tableState(m[0]);
         EXPECT_EQ(state.state, 0);
         EXPECT_EQ(state.byte11, 1);
         EXPECT_TRUE(state.showSeatChangeNow);
     }},
    {"seat_change_later",
     {"state 2", "state 0 random"},
     {MsgTableState, MsgTableState},
     [](const auto& m, const auto&, int) {
         EXPECT_EQ(tableState(m[0]).state, 2);
         EXPECT_EQ(tableState(m[1]).byte11, 1);
         EXPECT_FALSE(tableState(m[1]).showSeatChangeNow);
     }},
    {"negative_wealth_carried_by_seatings",
     {"wealth -3", "leave 1"},
     {MsgTableState, MsgPlayerLeft, MsgPlayerSeated},
     [](const auto& m, const auto&, int) {
         EXPECT_EQ(tableState(m[0]).state, 0);
         EXPECT_EQ(tableState(m[0]).multiple, -3);
         EXPECT_EQ(DecodePlayerSeated(m[2]).wealthMultiple, -3);
     }},
    {"own_coins_short",
     {"short own"},
     {MsgTableState},
     [](const auto& m, const auto&, int own) {
         const auto state = tableState(m[0]);
         EXPECT_EQ(state.state, 3);
         EXPECT_EQ(state.shortMask, own);
         EXPECT_EQ(state.byte11, own);
     }},
    {"other_coins_short",
     {"short 2"},
     {MsgTableState, MsgPlayerLeft, MsgPlayerSeated},
     [](const auto& m, const auto& table, int own) {
         EXPECT_EQ(tableState(m[0]).state, 3);
         EXPECT_EQ(tableState(m[0]).shortMask, seatAfter(own, 2));
         expectReplaced(m[1], m[2], table, own, 2);
     }},
    {"removal",
     {"remove 你被请出了"},
     {MsgKicked},
     [](const auto& m, const auto&, int) {
         EXPECT_EQ(between::DecodeKicked(m[0])->reason, u"你被请出了"_s);
     }},
    {"ready_of_a_seat",
     {"ready 3"},
     {MsgPlayerReady},
     [](const auto& m, const auto& table, int own) {
         const auto ready = between::DecodePlayerReady(m[0]);
         EXPECT_TRUE(ready->ready);
         EXPECT_EQ(ready->name, table.account(seatAfter(own, 3)));
     }},
    {"own_ready_deals",
     {"ready own"},
     {MsgPlayerReady, MsgRoundStart},
     [](const auto& m, const auto& table, int own) {
         EXPECT_EQ(between::DecodePlayerReady(m[0])->name, table.account(own));
         EXPECT_EQ(m[1].u8(8), kHandSize);
     }},
    {"leave_while_waiting",
     {"leave 1"},
     {MsgPlayerLeft, MsgPlayerSeated},
     [](const auto& m, const auto& table, int own) {
         expectReplaced(m[0], m[1], table, own, 1);
     }},
    {"bag_and_item",
     {"bag 3:20 7:5", "item 3:0"},
     {MsgBagList, MsgBagItem},
     [](const auto& m, const auto&, int) {
         const auto bag = shop::DecodeBagList(m[0]);
         ASSERT_EQ(bag->items.size(), 2U);
         EXPECT_EQ(bag->items[1], (shop::BagItem{7, 5}));
         EXPECT_EQ(shop::DecodeBagItem(m[1])->item, (shop::BagItem{3, 0}));
     }},
    {"pool_marquee_and_coloured_notice",
     {"pool 12345", "marquee 冠军赛开始", "coloured 255 0 0 XX1XX你好"},
     {MsgNotice, MsgMarquee, MsgNotice},
     [](const auto& m, const auto&, int) {
         EXPECT_EQ(shop::DecodeNotice(m[0])->mode, 1);
         EXPECT_EQ(shop::DecodeNotice(m[0])->text, u"12345"_s);
         EXPECT_EQ(shop::DecodeMarquee(m[1])->text, u"冠军赛开始"_s);
         EXPECT_EQ(shop::DecodeNotice(m[2])->mode, 6);
         EXPECT_EQ(shop::DecodeNotice(m[2])->color, 255U);
         EXPECT_EQ(shop::DecodeNotice(m[2])->text, u"XX1XX你好"_s);
     }},
    {"own_prize_notice",
     {"notice 7 0;3939;1;5"},
     {MsgNotice},
     [](const auto& m, const auto&, int) {
         EXPECT_EQ(shop::DecodeNotice(m[0])->text, u"0;3939;1;5"_s);
     }},
    {"bad_goods_ignored",
     {"item 3", "state 1"},
     {MsgTableState},
     [](const auto& m, const auto&, int) { EXPECT_EQ(tableState(m[0]).state, 1); },
     "\"item 3\" ignored: goods are written id:count"},
    {"bad_line_ignored",
     {"leave 9", "state 1"},
     {MsgTableState},
     [](const auto& m, const auto&, int) { EXPECT_EQ(tableState(m[0]).state, 1); },
     "\"leave 9\" ignored: leave takes a seat 1 to 3"},
};

class TriggerTest : public testing::TestWithParam<TriggerCase> {};

// A trigger line on the standard input makes the waiting table send at once what the client
// reads for it; a bad line is reported and changes nothing.
TEST_P(TriggerTest, TheClientReceivesWhatTheLineNames) {
    ServerProcess server({u"--seed"_s, u"4"_s, u"--delay"_s, u"0"_s});
    TableClient client(server.port());
    SeenTable table;
    client.login();
    for (int computersReady = 0; computersReady < 3;) {
        const auto message = client.next();
        ASSERT_TRUE(message);
        client.observe(*message);
        table.observe(*message);
        computersReady += message->command() == MsgPlayerReady ? 1 : 0;
    }
    for (const char* line : GetParam().lines) {
        server.writeLine(QString::fromUtf8(line));
    }
    std::vector<GameMessage> received;
    std::vector<int> commands;
    for (std::size_t i = 0; i < GetParam().commands.size(); ++i) {
        const auto message = client.next();
        ASSERT_TRUE(message) << "message " << i;
        received.push_back(*message);
        commands.push_back(message->command());
    }
    ASSERT_EQ(commands, GetParam().commands);
    GetParam().check(received, table, client.ownMask());
    if (*GetParam().error != 0) {
        EXPECT_TRUE(server.waitForError(QString::fromUtf8(GetParam().error)));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TriggerTest, testing::ValuesIn(kTriggerCases),
                         [](const auto& param) { return std::string(param.param.name); });

// With --reward the player's prize and jade come with every hand's result: the mode-7 notice
// right after the two result messages, before the table waits again.
TEST(TableServerTest, TheRewardComesWithTheResult) {
    ServerProcess server({u"--seed"_s, u"7"_s, u"--delay"_s, u"0"_s, u"--reward"_s, u"3939,5"_s});
    TableClient client(server.port());
    client.login();
    ASSERT_TRUE(playHand(client));
    const auto reward = client.next();
    ASSERT_TRUE(reward);
    const auto notice = shop::DecodeNotice(*reward);
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->mode, 7);
    EXPECT_EQ(notice->text, u"0;3939;1;5"_s);
    const auto waiting = client.next();
    ASSERT_TRUE(waiting);
    EXPECT_EQ(waiting->command(), MsgTableState);
    EXPECT_EQ(tableState(*waiting).state, 0);
}

// A computer player leaving during a hand gives the hand up as the client does: no result and
// no more plays; a new player sits down, the table waits, and once everybody is ready again
// the next hand is dealt.
TEST(TableServerTest, ALeaveDuringAHandGivesItUp) {
    ServerProcess server({u"--seed"_s, u"3"_s, u"--delay"_s, u"0"_s});
    TableClient client(server.port());
    SeenTable table;
    client.login();
    ASSERT_TRUE(playUntil(client, table, [&](const GameMessage& m) { return client.myTurn(m); }));
    const SeenTable before = table;
    server.writeLine(u"leave 2"_s);
    std::vector<GameMessage> received;
    ASSERT_TRUE(playUntil(client, table, [&](const GameMessage& m) {
        received.push_back(m);
        return m.command() == MsgRoundStart;
    }));
    ASSERT_GE(received.size(), 4U);
    EXPECT_EQ(received[0].command(), MsgPlayerLeft);
    EXPECT_EQ(received[1].command(), MsgPlayerSeated);
    expectReplaced(received[0], received[1], before, client.ownMask(), 2);
    EXPECT_EQ(received[2].command(), MsgTableState);
    EXPECT_EQ(tableState(received[2]).state, 0);
    for (std::size_t i = 3; i + 1 < received.size(); ++i) {
        EXPECT_EQ(received[i].command(), MsgPlayerReady) << "message " << i;
    }
    EXPECT_EQ(received.back().u8(8), kHandSize);
}

// With phrases forced, a computer player's quick phrase reaches the client as a voiced phrase
// from his seat: his account, a phrase number of the voiced list and his line.
TEST(TableServerTest, AComputerPlayerSaysAQuickPhrase) {
    ServerProcess server({u"--seed"_s, u"7"_s, u"--delay"_s, u"0"_s, u"--phrases"_s, u"always"_s});
    TableClient client(server.port());
    SeenTable table;
    client.login();
    const auto message =
        playUntil(client, table, [](const GameMessage& m) { return m.command() == MsgChat; });
    ASSERT_TRUE(message);
    const std::uint32_t subCode = between::DecodeChatRouting(*message)->subCode;
    EXPECT_NE(subCode, 260U);
    EXPECT_NE(subCode, 272U);
    const auto chat = chat::DecodeChatMessage(*message);
    ASSERT_TRUE(chat);
    ASSERT_TRUE(table.seats.contains(chat->sender));
    EXPECT_NE(chat->sender, client.ownMask());
    EXPECT_EQ(chat->account, table.account(chat->sender));
    EXPECT_EQ(chat->kind, chat::kVoicedPhrase);
    EXPECT_EQ(chat->voiceLetter, chat::kVoiceLetter);
    EXPECT_GE(chat->phrase, 1);
    EXPECT_LE(chat->phrase, 6);
    const QString said = table.seats.at(chat->sender).detail.username + u"说道： "_s;
    EXPECT_TRUE(chat->text.startsWith(said)) << chat->text.toStdString();
    EXPECT_GT(chat->text.size(), said.size());
}

} // namespace
} // namespace qv::tools::table
