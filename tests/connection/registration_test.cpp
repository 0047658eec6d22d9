#include "client_fixture.h"
#include "connection/commands.h"
#include "connection/dispatcher.h"
#include "connection/lobby_message.h"
#include "connection/login_reply.h"

#include <bit>
#include <optional>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

/// A seating message as a later subsystem would decode it: the seat bit and the account.
struct Seating {
    std::size_t seat = 0;
    QString name;
};

std::optional<Seating> decodeSeating(const GameMessage& m) {
    const std::uint8_t mask = m.u8(kSeatMaskByte);
    if (mask != 1 && mask != 2 && mask != 4 && mask != 8) {
        return std::nullopt;
    }
    return Seating{static_cast<std::size_t>(std::countr_zero(mask)),
                   QString::fromLatin1(m.textField(16, 20))};
}

/// Every subsystem's state the connection works on, as one comparable value.
struct Snapshot {
    ConnectionState conn;
    table::TableState table;
    hand::HandState hand;
    chat::ChatState chat;
    plugin::PluginState plugin;
    match::MatchState match;

    explicit Snapshot(const ConnectionParts& parts)
        : conn(parts.conn.snapshot()), table(parts.table), hand(parts.hand), chat(parts.chat),
          plugin(parts.plugin), match(parts.match) {}
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

class RegistrationTest : public ClientTest {
protected:
    RegistrationTest() { startLoggedOut(); }

    /// A message of `command` whose sequence bytes are the ones the client already has, so the
    /// sequence capture changes nothing either.
    GameMessage unsequenced(std::uint8_t command) const {
        GameMessage m = message(command);
        m.setU8(kSeqNumByte, client.conn.CurSeqNum[0]);
        m.setU8(kSeqNumByte + 1, client.conn.CurSeqNum[1]);
        return m;
    }
    void dispatch(GameMessage m) { DispatchFrame(client.conn, m); }
};

TEST_F(RegistrationTest, EachCommandReachesTheBranchItsOwnerRegistered) {
    std::vector<int> reached;
    std::vector<std::uint8_t> branchCommands;
    for (const CommandInfo& command : kCommands) {
        if (!relaysToPlugin(command.id) && !client.conn.dispatcher.has(command.id)) {
            branchCommands.push_back(command.id);
            client.conn.dispatcher.on(
                command.id, [](const GameMessage& m) { return std::optional(m.command()); },
                [&reached](std::uint8_t c) { reached.push_back(c); });
        }
    }
    for (int c = 0; c < 256; ++c) {
        dispatch(message(static_cast<std::uint8_t>(c), {{15, 1}}));
    }
    EXPECT_EQ(reached, std::vector<int>(branchCommands.begin(), branchCommands.end()));
    EXPECT_TRUE(client.conn.g_bLoggedIn) << "the connection's own login branch ran";
}

TEST_F(RegistrationTest, ABranchIsRegisteredOnce) {
    const auto decode = [](const GameMessage&) {
        return std::optional<int>(1);
    };
    const auto apply = [](int) {
    };
    client.conn.dispatcher.on(MsgPlayMade, decode, apply);
    EXPECT_THROW(client.conn.dispatcher.on(MsgPlayMade, decode, apply), std::logic_error);
    EXPECT_THROW(client.conn.dispatcher.on(MsgLogin, decode, apply), std::logic_error);
}

// Without a registered branch, the plug-in gets what the command table relays and nothing else
// changes; without the plug-in, every such message is dropped.
TEST_F(RegistrationTest, CommandsWithoutABranchAreRelayedOrDroppedAsBefore) {
    for (const bool loaded : {false, true}) {
        SCOPED_TRACE(loaded);
        if (loaded) {
            loadPlugin();
        }
        std::vector<int> expected;
        for (int c = 0; c < 256; ++c) {
            const auto command = static_cast<std::uint8_t>(c);
            if (command == MsgLogin || command == MsgCountdownAnim ||
                command == MsgReconnectReply) {
                continue;
            }
            const Snapshot before(client);
            dispatch(unsequenced(command));
            Snapshot after(client);
            after.plugin.Prop_ScoreWanted = before.plugin.Prop_ScoreWanted;
            EXPECT_TRUE(after == before) << c;
            if (loaded && relaysToPlugin(command)) {
                expected.push_back(c);
            }
        }
        std::vector<int> relayed;
        if (loaded) {
            const auto& object =
                dynamic_cast<platform::fake::RecordingPlugin&>(*client.plugin.Prop_GameDll);
            for (const auto& call : object.callsOf("Rec_MSG")) {
                relayed.push_back(std::stoi(call.args[0]));
            }
        }
        EXPECT_EQ(relayed, expected);
    }
}

TEST_F(RegistrationTest, AMessageThatFailsItsDecodeLeavesEveryStateAsItWas) {
    client.conn.dispatcher.on(MsgPlayerSeated, decodeSeating, [this](const Seating& s) {
        client.hand.custom.at(s.seat).name = s.name;
        client.table.SeatWealth.at(s.seat) = 1;
    });
    GameMessage valid = unsequenced(MsgPlayerSeated);
    valid.setU8(kSeatMaskByte, 4);
    valid.writeBytes(16, "bob");
    for (const std::uint8_t mask : {0, 3, 5, 16, 255}) {
        GameMessage bad = valid;
        bad.setU8(kSeatMaskByte, mask);
        const Snapshot before(client);
        dispatch(bad);
        EXPECT_TRUE(Snapshot(client) == before) << int{mask};
    }
    dispatch(valid);
    EXPECT_EQ(client.hand.custom[2].name, u"bob"_s);
    EXPECT_EQ(client.table.SeatWealth[2], 1);
}

TEST_F(RegistrationTest, ACountdownAnimationOtherThanItsStartChangesNothing) {
    for (const std::uint8_t b : {0, 1, 3, 255}) {
        GameMessage m = unsequenced(MsgCountdownAnim);
        m.setU8(9, b);
        const Snapshot before(client);
        dispatch(m);
        EXPECT_TRUE(Snapshot(client) == before) << int{b};
    }
    EXPECT_EQ(view().countdownAnimations, 0);
}

TEST(LoginReplyDecode, ReadsTheResultTheAutoPlayAndOnlyAWebBanner) {
    using Result = LoginReply::Result;
    const struct {
        std::uint8_t result;
        QByteArray banner;
        LoginReply expected;
    } cases[] = {
        {1, "http://ad.example/x", {Result::Accepted, 7, u"http://ad.example/x"_s}},
        {1, "ftp://ad.example/x", {Result::Accepted, 7, {}}},
        {1, "", {Result::Accepted, 7, {}}},
        {2, "http://ad.example/x", {Result::StartFailed, 7, {}}},
        {0, "", {Result::Refused, 7, {}}},
        {200, "", {Result::Refused, 7, {}}},
    };
    for (const auto& c : cases) {
        GameMessage m;
        m.setCommand(MsgLogin);
        m.setU8(15, c.result);
        m.setU8(9, 7);
        m.writeBytes(16, c.banner);
        EXPECT_EQ(decodeLoginReply(m), c.expected) << int{c.result} << c.banner.toStdString();
    }
}

TEST(LobbyMessageDecode, KnowsTheFourMessagesItAnswers) {
    EXPECT_EQ(decodeLobbyMessage(0x465), LobbyMessage::Seated);
    EXPECT_EQ(decodeLobbyMessage(0x303), LobbyMessage::Connected);
    EXPECT_EQ(decodeLobbyMessage(0x400), LobbyMessage::Leave);
    EXPECT_EQ(decodeLobbyMessage(0x16), LobbyMessage::Reconnect);
    for (const int other : {0, 0x466, 0x467, -1, 0x10000}) {
        EXPECT_EQ(decodeLobbyMessage(other), std::nullopt) << other;
    }
}

} // namespace
} // namespace qv::connection
