#include "client_fixture.h"
#include "connection/commands.h"
#include "connection/frm_reconnect.h"
#include "connection/reconnect_reply.h"
#include "connection/socks5_client.h"

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

using platform::Process;
using platform::Socket;
using platform::fake::FakeLobbyLink;

// The hidden reconnect window on the real reconnect and proxy client, with the ways out of the
// table and the item plug-in mocked.
class ReconnectTest : public ClientTest {
protected:
    ReconnectTest() : later(mockParts()) {
        client.conn.reconnect = &client.conn.frmReconnect;
        client.conn.proxy = &client.conn.socks;
    }

    /// Logged in directly and playing the hand of thread 511, having taken sequence 0x0605.
    void playing() {
        startLoggedOut();
        receive(message(MsgLogin, {{15, 1}}));
        tick(2);
        client.conn.g_bInGame = true;
        client.conn.threadIndex = 511;
        client.conn.CurSeqNum = {5, 6};
        takeSent();
    }
    /// The server drops the connection; the pump's check finds it within two seconds.
    void loseTheConnection() {
        platform.winsock.closeByPeer();
        tick(40);
        ASSERT_TRUE(client.conn.frmReconnect.loaded());
    }
    [[nodiscard]] int attempts() const { return platform.winsock.connects() - 1; }

    testing::NiceMock<MockParts>& later;
};

TEST_F(ReconnectTest, TheRequestIsTheLoginWithCommand28SequenceAndThread) {
    GameMessage login = message(MsgLogin, {{14, 1}, {16, 'a'}, {32, 's'}});
    const GameMessage request = BuildReconnectRequest(login, {0x12, 0x34}, 511);
    GameMessage expected = login;
    expected.setCommand(MsgReconnect);
    expected.setU8(260, 0x12);
    expected.setU8(261, 0x34);
    expected.writeBytes(268, QByteArray::fromHex("ff010000"));
    EXPECT_EQ(request, expected);
}

TEST_F(ReconnectTest, TheWindowLoadsHiddenAndItsFirstTickStartsTheCount) {
    playing();
    platform.winsock.closeByPeer();
    auto& window = client.conn.frmReconnect;
    window.startReconnect();
    EXPECT_TRUE(window.TimerReconnect.Enabled());
    EXPECT_FALSE(window.TimerCount.Enabled());
    platform.time.advance(1);
    EXPECT_FALSE(window.TimerReconnect.Enabled());
    EXPECT_TRUE(window.TimerCount.Enabled());
    EXPECT_EQ(client.conn.ReconnectTime, 0);
    EXPECT_EQ(attempts(), 0);
    EXPECT_FALSE(view().minimized);
}

TEST_F(ReconnectTest, BackAtTheFirstAttemptTheRequestGoesOutAndTheWindowGoes) {
    playing();
    platform.winsock.scriptConnect(0);
    loseTheConnection();
    platform.time.advance(500);
    EXPECT_EQ(attempts(), 1);
    EXPECT_EQ(view().sysmsg[0], QStringList{u"正在重新连接服务器..."_s});
    EXPECT_TRUE(view().sysmsg[1].isEmpty());
    tick(4);
    const auto sent = takeSent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0], BuildReconnectRequest(client.conn.LoginBuffer, {5, 6}, 511));
    EXPECT_EQ(sent[0].bytes()[268], 0xFF);
    EXPECT_EQ(sent[0].bytes()[269], 0x01);
    EXPECT_EQ(client.conn.LoginBuffer.command(), MsgLogin);
    tick(10);
    EXPECT_FALSE(client.conn.frmReconnect.loaded());
    EXPECT_EQ(attempts(), 1);

    GameMessage accepted = message(MsgReconnectReply, {{15, 1}});
    DispatchFrame(client.conn, accepted);
    EXPECT_TRUE(client.conn.g_bLoggedIn);
    EXPECT_TRUE(client.conn.g_bReconnected);
    EXPECT_EQ(view().sysmsg[0], QStringList{u"正在重连服务器，请等待...！"_s});
}

// The connection drops in the middle of a message: the whole message before it is still worked
// off, the cut one's bytes go with the connection, so the request goes out naming the last message
// taken and the messages after it are read whole.
TEST_F(ReconnectTest, AMessageCutByTheDropGoesWithTheConnection) {
    playing();
    platform.winsock.scriptConnect(0);
    GameMessage whole = message(MsgChat, {{kSeqNumByte, 7}, {kSeqNumByte + 1, 6}});
    platform.winsock.receive(whole.toByteArray() +
                             message(MsgPlayMade, {{11, 1}}).toByteArray().left(100));
    loseTheConnection();
    platform.time.advance(500);
    tick(4);
    const auto sent = takeSent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0], BuildReconnectRequest(client.conn.LoginBuffer, {7, 6}, 511));
    EXPECT_TRUE(client.conn.RecvRing.empty());

    receive(message(MsgReconnectReply, {{15, 1}}));
    tick(2);
    EXPECT_TRUE(client.conn.g_bReconnected);
    EXPECT_TRUE(client.conn.RecvRing.empty());
}

TEST_F(ReconnectTest, AConnectSlowerThanTheCadenceIsWaitedFor) {
    playing();
    platform.winsock.scriptConnect(std::nullopt);
    loseTheConnection();
    platform.time.advance(500);
    ASSERT_EQ(attempts(), 1);
    platform.time.advance(2000);
    EXPECT_EQ(attempts(), 1);
    platform.winsock.acceptConnection();
    tick(4);
    ASSERT_EQ(takeSent().size(), 1U);
    tick(10);
    EXPECT_FALSE(client.conn.frmReconnect.loaded());
    EXPECT_EQ(attempts(), 1);
}

TEST_F(ReconnectTest, AConnectThatHangsIsGivenUpForTheNextAttempt) {
    playing();
    platform.winsock.scriptConnect(std::nullopt);
    loseTheConnection();
    platform.time.advance(500);
    platform.time.advance(500LL * (FrmReconnect::kAttemptBoundTicks - 1));
    EXPECT_EQ(attempts(), 1);
    platform.time.advance(500);
    EXPECT_EQ(attempts(), 2);
}

TEST_F(ReconnectTest, After2001FailedAttemptsTheClientGivesUpWithTheNotice) {
    playing();
    loadPlugin();
    platform.winsock.scriptConnect(Socket::sckConnectionRefused);
    loseTheConnection();
    // The silence count of the hand, a way out of its own after 500 s, is not watched here.
    client.conn.slots.disarm(kReceiveSlot);
    platform.lobby.clearEvents();
    {
        testing::InSequence order;
        EXPECT_CALL(later, ExitPropPlugin(0));
        EXPECT_CALL(later, LeaveTableReset());
        EXPECT_CALL(later, ClearTableState());
        EXPECT_CALL(later, ResetTable());
        EXPECT_CALL(later, ShowOtherExit(u"网络已断开,请退出大厅重新登陆游戏"_s));
    }
    platform.time.advance(500LL * 2001);
    EXPECT_EQ(attempts(), 2001);
    EXPECT_TRUE(client.conn.frmReconnect.TimerCount.Enabled());
    platform.time.advance(500);
    EXPECT_EQ(attempts(), 2001);
    EXPECT_FALSE(client.conn.frmReconnect.TimerCount.Enabled());
    EXPECT_TRUE(view().minimized);
    const auto& events = platform.lobby.events();
    EXPECT_EQ(std::count_if(events.begin(), events.end(),
                            [](const auto& e) { return e.kind == FakeLobbyLink::Kind::Restore; }),
              1);
    EXPECT_FALSE(client.conn.g_bTableReset);
    platform.time.advance(60000);
    EXPECT_EQ(attempts(), 2001);
}

TEST_F(ReconnectTest, AFreshLoginAfterAReconnectIsStillALogin) {
    playing();
    platform.winsock.scriptConnect(0);
    loseTheConnection();
    platform.time.advance(500);
    tick(14);
    ASSERT_EQ(takeSent().at(0).command(), MsgReconnect);

    platform.lobby.send(LobbyMsgLeave);
    platform.winsock.Close();
    platform.lobby.send(LobbyMsgReconnect);
    tick(8);
    const auto sent = takeSent();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back().command(), MsgLogin);
}

TEST_F(ReconnectTest, ARefusedReconnectShowsItsNoticeAndEndsAfterTheLobby) {
    playing();
    loadPlugin();
    EXPECT_CALL(later, ExitPropPlugin(0));
    platform.lobby.clearEvents();
    GameMessage refused = message(MsgReconnectReply, {{15, 0}});
    EXPECT_THROW(DispatchFrame(client.conn, refused), platform::fake::ProgramEnded);
    ASSERT_EQ(platform.messageBox.shown_.size(), 1U);
    EXPECT_EQ(platform.messageBox.shown_[0].text, u"重连服务器失败，退出后请重新入座！"_s);
    EXPECT_EQ(platform.process.ended(), Process::End::RestoreLobbyThenEnd);
    EXPECT_EQ(platform.lobby.events().front().kind, FakeLobbyLink::Kind::Restore);
}

TEST_F(ReconnectTest, AnAcceptedReconnectStopsTheCountdownAnimation) {
    const struct {
        bool animating;
        int stops;
    } cases[] = {{true, 1}, {false, 0}};
    for (const auto& c : cases) {
        client.table.g_bCountdownAnim = c.animating;
        view().countdownAnimationStops = 0;
        OnReconnectReply(client.conn, ReconnectReply{true});
        EXPECT_EQ(view().countdownAnimationStops, c.stops);
        EXPECT_FALSE(client.table.g_bCountdownAnim);
    }
}

// Through a proxy each attempt is one whole exchange: no attempt starts while one runs, a proxy
// that cannot be reached fails at its bound, and the request goes out on the exchange's success.
TEST_F(ReconnectTest, ThroughTheProxyAttemptsNeverOverlap) {
    start(u"alice$secret$10.0.0.7$6000$loc$5$127.0.0.1$1080$$$0$$$0$0$"_s);
    platform.winsock.acceptConnection();
    platform.winsock.receive(QByteArray::fromHex("0500"));
    platform.winsock.receive(QByteArray::fromHex("05000001 00000000 0000"));
    receive(message(MsgLogin, {{15, 1}}));
    tick(2);
    ASSERT_TRUE(client.conn.g_bLoggedIn);
    client.conn.g_bInGame = true;
    client.conn.threadIndex = 511;
    client.conn.CurSeqNum = {5, 6};
    platform.winsock.takeSent();

    loseTheConnection();
    platform.time.advance(500);
    ASSERT_EQ(attempts(), 1);
    EXPECT_TRUE(client.conn.connecting);
    platform.time.advance(Socks5Client::kExchangeBoundMs - 600);
    EXPECT_EQ(attempts(), 1);
    platform.time.advance(600);
    ASSERT_EQ(platform.messageBox.shown_.size(), 1U);
    EXPECT_EQ(platform.messageBox.shown_[0].text, u"通过代理连接主站失败！"_s);
    platform.time.advance(500);
    ASSERT_EQ(attempts(), 2);

    platform.winsock.acceptConnection();
    EXPECT_EQ(platform.winsock.takeSent(), QByteArray::fromHex("05020002"));
    platform.winsock.receive(QByteArray::fromHex("0500"));
    platform.winsock.takeSent();
    platform.winsock.receive(QByteArray::fromHex("05000001 00000000 0000"));
    const auto sent = takeSent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0], BuildReconnectRequest(client.conn.LoginBuffer, {5, 6}, 511));
    platform.time.advance(500);
    EXPECT_FALSE(client.conn.frmReconnect.loaded());
    EXPECT_EQ(attempts(), 2);
}

} // namespace
} // namespace qv::connection
