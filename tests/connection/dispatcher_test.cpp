#include "client_fixture.h"
#include "connection/commands.h"
#include "forms/runtime_error.h"

using namespace Qt::StringLiterals;
using testing::_;

namespace qv::connection {
namespace {

class DispatcherTest : public ClientTest {
protected:
    DispatcherTest() : later(mockParts()) {}

    void dispatch(GameMessage m) { DispatchFrame(client.conn, m); }
    static GameMessage sequenced(std::uint8_t command) {
        return message(command, {{260, 0xA1}, {261, 0xB2}});
    }

    testing::NiceMock<MockParts>& later;
};

TEST_F(DispatcherTest, SequenceBytesAreTakenFromAllButTheReconnectReplyAndTheMatchRange) {
    const struct {
        int command;
        bool taken;
    } cases[] = {{29, false}, {71, false}, {80, false}, {99, false}, {70, true},
                 {100, true}, {200, true}, {50, true},  {1, true},   {18, true}};
    for (const auto& c : cases) {
        client.conn.CurSeqNum = {1, 2};
        GameMessage m = sequenced(static_cast<std::uint8_t>(c.command));
        m.setU8(15, 1);
        dispatch(m);
        const std::array<std::uint8_t, 2> expected =
            c.taken ? std::array<std::uint8_t, 2>{0xA1, 0xB2} : std::array<std::uint8_t, 2>{1, 2};
        EXPECT_EQ(client.conn.CurSeqNum, expected) << c.command;
    }
}

TEST_F(DispatcherTest, EachBranchGetsItsCommandWhole) {
    auto& mock = strictParts();
    const GameMessage m1 = message(MsgRoundStart, {{100, 7}});
    const auto same = [](const GameMessage& expected) {
        return testing::Truly([expected](const GameMessage& m) { return m == expected; });
    };
    EXPECT_CALL(mock, onRoundStart(same(m1)));
    EXPECT_CALL(mock, onCallCard(_));
    EXPECT_CALL(mock, onPlayMade(_));
    EXPECT_CALL(mock, onResult(_));
    EXPECT_CALL(mock, onTableState(_));
    EXPECT_CALL(mock, onChat(_));
    EXPECT_CALL(mock, onPlayerSeated(_));
    EXPECT_CALL(mock, onPlayerLeft(_));
    EXPECT_CALL(mock, onKicked(_));
    EXPECT_CALL(mock, onPlayerReady(_));
    EXPECT_CALL(mock, MsgDecode_47(_));
    EXPECT_CALL(mock, MsgDecode_Match(_)).Times(28);
    dispatch(m1);
    for (const int c : {2, 6, 9, 16, 19, 20, 21, 22, 23, 47}) {
        dispatch(message(static_cast<std::uint8_t>(c)));
    }
    for (int c = 72; c <= 99; ++c) {
        dispatch(message(static_cast<std::uint8_t>(c)));
    }
    for (const int c : {0, 3, 7, 24, 28, 44, 45, 46, 50, 71, 100, 255}) {
        dispatch(message(static_cast<std::uint8_t>(c)));
    }
}

TEST_F(DispatcherTest, WithoutThePluginUnhandledCommandsAreDropped) {
    client.plugin.Prop_GameDllState = 0;
    dispatch(sequenced(50));
    dispatch(sequenced(MsgPropScore));
    EXPECT_FALSE(client.plugin.Prop_ScoreWanted);
}

TEST_F(DispatcherTest, WithThePluginLoadedItGetsTheRelayedCommandsUnchanged) {
    auto& plugin = loadPlugin();
    std::vector<int> relayed;
    for (int c = 0; c < 256; ++c) {
        GameMessage m = sequenced(static_cast<std::uint8_t>(c));
        m.setU8(15, 1);
        m.setU8(200, 0x77);
        dispatch(m);
    }
    for (const auto& call : plugin.callsOf("Rec_MSG")) {
        ASSERT_EQ(call.args.size(), 2U);
        const auto m = GameMessage::fromBytes(QByteArray::fromStdString(call.args[1]));
        EXPECT_EQ(m.u8(200), 0x77);
        relayed.push_back(m.command());
    }
    std::vector<int> expected;
    for (int c = 0; c < 256; ++c) {
        const Route r = routeOf(static_cast<std::uint8_t>(c));
        if (r == Route::Relay || r == Route::PropData || r == Route::PropScore) {
            expected.push_back(c);
        }
    }
    EXPECT_EQ(relayed, expected);
    EXPECT_TRUE(client.plugin.Prop_ScoreWanted);
    EXPECT_TRUE(std::find(relayed.begin(), relayed.end(), 47) == relayed.end());
}

TEST_F(DispatcherTest, CountdownAnimationStartsOnlyForByte9Equal2) {
    for (const std::uint8_t b : {1, 3, 0}) {
        dispatch(message(MsgCountdownAnim, {{9, b}}));
    }
    EXPECT_EQ(view().countdownAnimations, 0);
    EXPECT_FALSE(client.table.g_bCountdownAnim);
    dispatch(message(MsgCountdownAnim, {{9, 2}}));
    EXPECT_EQ(view().countdownAnimations, 1);
    EXPECT_TRUE(client.table.g_bCountdownAnim);
}

TEST_F(DispatcherTest, AMessageThatDoesNotFitItsFieldsIsDroppedAndTheClientRuns) {
    ON_CALL(later, onPlayerSeated(_)).WillByDefault([](const GameMessage& m) { (void)m.u8(300); });
    ON_CALL(later, onPlayerReady(_)).WillByDefault([](const GameMessage&) {
        throw forms::RuntimeError(forms::RuntimeError::kNoSuchElement, "seat from the message");
    });
    EXPECT_NO_THROW(dispatch(message(MsgPlayerSeated)));
    EXPECT_NO_THROW(dispatch(message(MsgPlayerReady)));
    EXPECT_FALSE(platform.process.ended());
}

TEST_F(DispatcherTest, AFailingCallInABranchRestoresTheLobbyAndEnds) {
    ON_CALL(later, onPlayerSeated(_)).WillByDefault([](const GameMessage&) {
        throw forms::RuntimeError(forms::RuntimeError::kInvalidCall, "control failed");
    });
    EXPECT_THROW(dispatch(message(MsgPlayerSeated)), platform::fake::ProgramEnded);
    EXPECT_EQ(platform.process.ended(), platform::Process::End::RestoreLobbyThenEnd);
}

} // namespace
} // namespace qv::connection
