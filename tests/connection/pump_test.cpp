#include "client_fixture.h"
#include "connection/commands.h"
#include "connection/login_buffer.h"

using namespace Qt::StringLiterals;
using testing::_;
using testing::Invoke;

namespace qv::connection {
namespace {

using platform::fake::FakeLobbyLink;

class PumpTest : public ClientTest {
protected:
    PumpTest() : later(mockParts()) {
        ON_CALL(later, onRoundStart(_)).WillByDefault(Invoke([this](const GameMessage& m) {
            dispatched.push_back(m.u8(8));
        }));
    }

    /// A round-start message numbered by byte 8.
    static GameMessage numbered(std::uint8_t n) { return message(MsgRoundStart, {{8, n}}); }
    void queue(std::uint8_t n) {
        GameMessage m = message(MsgKeepAlive, {{8, n}});
        QueueFrame(client.conn, m);
    }

    testing::NiceMock<MockParts>& later;
    std::vector<int> dispatched;
};

TEST_F(PumpTest, TwoMessagesInOneEventAreDispatchedOnTwoTicks) {
    startLoggedOut();
    tick(4);
    platform.winsock.receive(numbered(1).toByteArray() + numbered(2).toByteArray());
    tick();
    EXPECT_TRUE(dispatched.empty());
    tick();
    EXPECT_EQ(dispatched, std::vector<int>{1});
    tick();
    EXPECT_EQ(dispatched, (std::vector<int>{1, 2}));
}

TEST_F(PumpTest, AMessageInTwoPiecesWaitsForItsSecondPieceAndTwoTicks) {
    startLoggedOut();
    const QByteArray bytes = numbered(7).toByteArray();
    platform.winsock.receive(bytes.left(100));
    tick(5);
    EXPECT_TRUE(dispatched.empty());
    platform.winsock.receive(bytes.mid(100));
    tick();
    EXPECT_TRUE(dispatched.empty());
    tick();
    EXPECT_EQ(dispatched, std::vector<int>{7});
}

TEST_F(PumpTest, DataArrivingEveryTickHoldsTheDispatchUntilAPause) {
    startLoggedOut();
    for (std::uint8_t n = 1; n <= 3; ++n) {
        receive(numbered(n));
        tick();
    }
    EXPECT_TRUE(dispatched.empty());
    tick(4);
    EXPECT_EQ(dispatched, (std::vector<int>{1, 2, 3}));
}

TEST_F(PumpTest, AMessageAcrossTheRingsEndIsReadWhole) {
    startLoggedOut();
    auto& ring = client.conn.RecvRing;
    for (int i = 0; i < 511; ++i) {
        ring.pushMessage(GameMessage());
        ring.takeMessage();
    }
    ASSERT_EQ(ring.writePos(), 511 * kMessageSize);
    const QByteArray last = numbered(8).toByteArray();
    const QByteArray first = numbered(9).toByteArray();
    platform.winsock.receive(last.left(100));
    platform.winsock.receive(last.mid(100) + first);
    EXPECT_EQ(ring.writePos(), kMessageSize);
    tick(3);
    EXPECT_EQ(dispatched, (std::vector<int>{8, 9}));
}

TEST_F(PumpTest, AnOverrunRingRestoresTheLobbyAndEnds) {
    const struct {
        bool gameData;
        int room;
    } cases[] = {{true, MessageRing::kSize - 1}, {false, ProxyReplyRing::kSize - 1}};
    for (const auto& c : cases) {
        platform::fake::FakePlatform fresh;
        fresh.lobby.open(kDefaultLobbyTitle);
        ConnectionParts other(fresh.services);
        // A proxy client that leaves every reply byte in the ring.
        testing::NiceMock<MockParts> hoardingProxy;
        other.conn.proxy = &hoardingProxy;
        Form_Load(other.conn, directLine());
        fresh.winsock.acceptConnection();
        other.conn.g_bGameData = c.gameData;
        fresh.lobby.clearEvents();
        fresh.winsock.receive(QByteArray(c.room, 0));
        EXPECT_FALSE(fresh.process.ended());
        EXPECT_THROW(fresh.winsock.receive(QByteArray(1, 0)), platform::fake::ProgramEnded);
        EXPECT_EQ(fresh.process.ended(), platform::Process::End::RestoreLobbyThenEnd);
        EXPECT_EQ(fresh.lobby.events().back().kind, FakeLobbyLink::Kind::Restore);
    }
}

TEST_F(PumpTest, QueuedMessagesLeaveOnePerTickOnceConnected) {
    start(directLine());
    queue(1);
    queue(2);
    queue(3);
    tick(3);
    EXPECT_TRUE(takeSent().empty());
    platform.winsock.acceptConnection();
    std::vector<int> sent;
    for (int t = 0; t < 6; ++t) {
        tick();
        for (const auto& m : takeSent()) {
            sent.push_back(m.command() == MsgLogin ? 0 : m.u8(8));
        }
        sent.push_back(-1);
    }
    // The login goes at the fourth tick since start, straight to the socket after the slot's
    // own message of that tick.
    EXPECT_EQ(sent, (std::vector<int>{0, 1, -1, 2, -1, 3, -1, -1, -1, -1}));
}

TEST_F(PumpTest, TheLoginWaitsUntilTheReceiveRingIsEmpty) {
    start(directLine());
    platform.winsock.acceptConnection();
    tick(3);
    receive(numbered(1));
    receive(numbered(2));
    tick(3);
    EXPECT_EQ(dispatched, (std::vector<int>{1, 2}));
    EXPECT_TRUE(takeSent().empty());
    EXPECT_FALSE(client.conn.g_bLoginPending);
    tick();
    const auto sent = takeSent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].command(), MsgLogin);
    EXPECT_TRUE(client.conn.g_bLoginPending);
    EXPECT_TRUE(client.conn.slots.BongFlag[kCheckSlot]);
}

TEST_F(PumpTest, TheLoginStepTellsTheLobbyEvery200MsAndSendsTheSequenceBytes) {
    start(directLine());
    client.conn.CurSeqNum = {7, 9};
    tick(12);
    EXPECT_EQ(platform.lobby.posted(), (std::vector<int>{0x16, 0x16, 0x16}));
    platform.winsock.acceptConnection();
    tick(4);
    const auto sent = takeSent();
    ASSERT_EQ(sent.size(), 1U);
    GameMessage expected = *BuildLoginBuffer(u"alice"_s, u"secret"_s);
    expected.setU8(260, 7);
    expected.setU8(261, 9);
    EXPECT_EQ(sent[0], expected);
    EXPECT_EQ(platform.lobby.posted().size(), 4U);
    tick(40);
    EXPECT_EQ(platform.lobby.posted().size(), 4U);
}

TEST_F(PumpTest, AHeldPlayerLeftWaitsAtTheHeadWithoutCountingSilence) {
    startLoggedOut();
    client.conn.g_bInGame = true;
    client.conn.g_bHoldLeft = true;
    EXPECT_CALL(later, onPlayerLeft(_)).Times(0);
    receive(message(MsgPlayerLeft));
    receive(numbered(1));
    tick(100);
    EXPECT_TRUE(dispatched.empty());
    EXPECT_EQ(client.conn.SilenceCount, 0);
    testing::Mock::VerifyAndClearExpectations(&later);
    client.conn.g_bHoldLeft = false;
    EXPECT_CALL(later, onPlayerLeft(_)).Times(1);
    tick(2);
    EXPECT_EQ(dispatched, std::vector<int>{1});
}

TEST_F(PumpTest, SilenceDuringAHandEndsTheConnectionAfter5000Checks) {
    startLoggedOut();
    client.conn.g_bInGame = true;
    receive(numbered(1));
    tick(2);
    EXPECT_CALL(later, LeaveTableReset()).Times(0);
    tick(2 * 4999);
    EXPECT_EQ(client.conn.SilenceCount, 4999);
    testing::Mock::VerifyAndClearExpectations(&later);
    platform.lobby.clearEvents();
    EXPECT_CALL(later, LeaveTableReset()).Times(1);
    EXPECT_CALL(later, ClearTableState()).Times(1);
    EXPECT_CALL(later, ResetTable()).Times(1);
    tick(2);
    EXPECT_EQ(client.conn.SilenceCount, 0);
    EXPECT_EQ(view().sysmsg[0], QStringList{u"已经与服务器断开连接，请重新入座！"_s});
    EXPECT_TRUE(view().minimized);
    EXPECT_EQ(platform.lobby.events(), (std::vector<FakeLobbyLink::Event>{
                                           {FakeLobbyLink::Kind::Restore, kDefaultLobbyTitle, 0}}));
    EXPECT_FALSE(platform.process.ended());
}

TEST_F(PumpTest, OneMessageBeforeTheLimitStartsTheSilenceAgain) {
    startLoggedOut();
    client.conn.g_bInGame = true;
    receive(numbered(1));
    tick(2 + 2 * 4999);
    receive(numbered(2));
    tick(2);
    EXPECT_EQ(client.conn.SilenceCount, 0);
    EXPECT_EQ(dispatched, (std::vector<int>{1, 2}));
}

TEST_F(PumpTest, SilenceWithoutALobbyEndsTheProgram) {
    startLoggedOut();
    client.conn.g_bInGame = true;
    receive(numbered(1));
    platform.lobby.close(kDefaultLobbyTitle);
    EXPECT_THROW(tick(2 + 2 * 5000), platform::fake::ProgramEnded);
    EXPECT_EQ(platform.process.ended(), platform::Process::End::EndNow);
}

TEST_F(PumpTest, ASocketClosedOutsideAHandGoesBackToTheLobbyWithinTwoSeconds) {
    startLoggedOut();
    platform.lobby.clearEvents();
    EXPECT_CALL(later, LeaveTableReset()).Times(1);
    platform.winsock.closeByPeer();
    tick(40);
    EXPECT_TRUE(view().minimized);
    EXPECT_EQ(platform.lobby.events().front().kind, FakeLobbyLink::Kind::Restore);
}

TEST_F(PumpTest, ASocketClosedDuringAHandStartsTheHiddenReconnect) {
    startLoggedOut();
    client.conn.g_bInGame = true;
    client.conn.g_bLoggedIn = true;
    EXPECT_CALL(later, startReconnect()).Times(1);
    EXPECT_CALL(later, LeaveTableReset()).Times(0);
    platform.winsock.closeByPeer();
    tick(40);
    EXPECT_FALSE(client.conn.g_bLoggedIn);
    EXPECT_FALSE(client.conn.slots.BongFlag[kCheckSlot]);
    EXPECT_TRUE(client.conn.TimerKeepAlive.Enabled());
    EXPECT_FALSE(view().minimized);
}

TEST_F(PumpTest, ALostConnectionWithoutALobbyShowsTheNoticeAndEnds) {
    startLoggedOut();
    platform.lobby.close(kDefaultLobbyTitle);
    platform.winsock.closeByPeer();
    EXPECT_THROW(tick(40), platform::fake::ProgramEnded);
    ASSERT_EQ(platform.messageBox.shown_.size(), 1U);
    EXPECT_EQ(platform.messageBox.shown_[0].text, u"没有找到Velmor山庄！"_s);
}

TEST_F(PumpTest, ParkedPluginMessagesAreKeptOnceAndTheNextIsSent) {
    startLoggedOut();
    client.conn.HeldCmd45AArmed = true;
    const GameMessage kindA = message(MsgPropData, {{8, 129 * 8 / 256}, {9, 129 * 8 % 256}});
    for (int i = 0; i < 2; ++i) {
        GameMessage m = kindA;
        m.setU8(20, static_cast<std::uint8_t>(i));
        QueueFrame(client.conn, m);
    }
    tick(3);
    const auto sent = takeSent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].u8(20), 1);
    EXPECT_EQ(client.conn.HeldCmd45A.u8(20), 0);
    EXPECT_FALSE(client.conn.HeldCmd45AArmed);
}

// Only the item plug-in queues a leave; once it is on the wire the client goes back to the lobby,
// or ends when there is none to go back to. A ready message is no leave.
TEST_F(PumpTest, AQueuedLeaveGoesBackToTheLobbyOrEndsWithoutOne) {
    startLoggedOut();
    platform.lobby.clearEvents();
    GameMessage ready = message(MsgTableState, {{15, 1}});
    QueueFrame(client.conn, ready);
    tick();
    EXPECT_FALSE(view().minimized);
    EXPECT_TRUE(platform.lobby.events().empty());

    GameMessage leave = message(MsgTableState, {{15, 0}});
    QueueFrame(client.conn, leave);
    tick();
    EXPECT_TRUE(view().minimized);
    ASSERT_EQ(platform.lobby.events().size(), 1U);
    EXPECT_EQ(platform.lobby.events().back().kind, FakeLobbyLink::Kind::Restore);

    platform.lobby.close(kDefaultLobbyTitle);
    QueueFrame(client.conn, leave);
    EXPECT_THROW(tick(), platform::fake::ProgramEnded);
    EXPECT_EQ(platform.process.ended(), platform::Process::End::EndNow);
    const auto sent = takeSent();
    ASSERT_EQ(sent.size(), 3U);
    EXPECT_EQ(sent[2].u8(15), 0);
}

TEST_F(PumpTest, ChatButtonBlinksEvery400MsAndEndsOnItsNormalPicture) {
    startLoggedOut();
    client.chat.TalkBlinkCount = 8;
    client.conn.slots.arm(kBlinkSlot);
    tick(8 * 9);
    EXPECT_EQ(view().chatButtonHover,
              (QList<bool>{true, false, true, false, true, false, true, false, false}));
    EXPECT_FALSE(client.conn.slots.BongFlag[kBlinkSlot]);
}

TEST_F(PumpTest, TheTickRunsTheOtherPartsStepsInOrder) {
    startLoggedOut();
    testing::InSequence order;
    EXPECT_CALL(later, tickPanels());
    EXPECT_CALL(later, tickCountdowns());
    EXPECT_CALL(later, tickPlugin());
    tick();
    EXPECT_TRUE(client.conn.TimerBong.Enabled());
}

} // namespace
} // namespace qv::connection
