#include "client_fixture.h"
#include "connection/commands.h"

using namespace Qt::StringLiterals;
using testing::_;

namespace qv::connection {
namespace {

using platform::fake::FakeLobbyLink;

class LobbyWindowTest : public ClientTest {
protected:
    LobbyWindowTest() : later(mockParts()) {
        startLoggedOut();
        platform.lobby.clearEvents();
    }

    testing::NiceMock<MockParts>& later;
};

TEST_F(LobbyWindowTest, SeatedQueryAnswersByTheHandState) {
    client.conn.g_bLoginPending = false;
    EXPECT_CALL(later, LeaveTableReset()).Times(0);
    platform.lobby.send(0x465);
    client.conn.g_bInGame = true;
    platform.lobby.send(0x465);
    EXPECT_EQ(platform.lobby.posted(), (std::vector<int>{0x400, 0x465}));
}

TEST_F(LobbyWindowTest, ConnectedQueryAnswersPendingLoginAndRunningHand) {
    client.conn.g_bInGame = true;
    platform.lobby.send(0x303);
    client.conn.g_bLoginPending = false;
    platform.lobby.send(0x303);
    EXPECT_EQ(platform.lobby.posted(), (std::vector<int>{0x466, 0x465}));
}

TEST_F(LobbyWindowTest, ConnectedQueryBetweenHandsLeavesTheTable) {
    client.conn.g_bLoginPending = false;
    testing::InSequence order;
    EXPECT_CALL(later, SendLeaveTable());
    EXPECT_CALL(later, LeaveTableReset());
    platform.lobby.send(0x303);
    EXPECT_FALSE(client.conn.slots.BongFlag[kCheckSlot]);
    EXPECT_EQ(platform.lobby.posted(), std::vector<int>{0x400});
}

TEST_F(LobbyWindowTest, LeaveRequestLeavesEvenDuringAHand) {
    client.conn.g_bInGame = true;
    EXPECT_CALL(later, SendLeaveTable());
    EXPECT_CALL(later, LeaveTableReset());
    platform.lobby.send(0x400);
    EXPECT_EQ(platform.lobby.posted(), std::vector<int>{0x400});
}

TEST_F(LobbyWindowTest, LeaveRequestWhileUnconnectedOnlyResets) {
    platform.winsock.Close();
    EXPECT_CALL(later, SendLeaveTable()).Times(0);
    EXPECT_CALL(later, LeaveTableReset());
    platform.lobby.send(0x400);
}

TEST_F(LobbyWindowTest, ReconnectRequestClosesEmptiesAndConnectsAgain) {
    GameMessage m = message(MsgKeepAlive);
    QueueFrame(client.conn, m);
    client.conn.TimerBong.setEnabled(false);
    const int connects = platform.winsock.connects();
    platform.lobby.send(0x16);
    EXPECT_EQ(platform.winsock.connects(), connects + 1);
    EXPECT_EQ(platform.winsock.State(), platform::Socket::sckConnecting);
    EXPECT_TRUE(client.conn.SendRing.empty());
    EXPECT_TRUE(client.conn.TimerBong.Enabled());
    EXPECT_TRUE(client.conn.slots.BongFlag[kLoginSlot]);
    EXPECT_EQ(view().startButtonRestores, 1);
    platform.winsock.acceptConnection();
    tick(4);
    const auto sent = takeSent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].command(), MsgLogin);
}

TEST_F(LobbyWindowTest, AReconnectRequestDuringAConnectIsIgnored) {
    platform.lobby.send(0x16);
    const int connects = platform.winsock.connects();
    platform.lobby.send(0x16);
    EXPECT_EQ(platform.winsock.connects(), connects);
    EXPECT_EQ(view().startButtonRestores, 1);
}

TEST_F(LobbyWindowTest, OtherProxyTypesOnlyBringTheStartButtonBack) {
    client.conn.commandLine.ProxyType = 3;
    platform.winsock.Close();
    const int connects = platform.winsock.connects();
    platform.lobby.send(0x16);
    EXPECT_EQ(platform.winsock.connects(), connects);
    EXPECT_EQ(view().startButtonRestores, 1);
}

TEST_F(LobbyWindowTest, NoAnswerWithoutALobbyAndQueryLeavesTheTableAlone) {
    platform.lobby.close(kDefaultLobbyTitle);
    client.conn.g_bLoginPending = false;
    EXPECT_CALL(later, LeaveTableReset()).Times(0);
    LobbyWndProc(client.conn, 0x303);
    LobbyWndProc(client.conn, 0x465);
    EXPECT_TRUE(platform.lobby.events().empty());
}

TEST_F(LobbyWindowTest, RestoreWithoutALobbyEndsTheProgramAndAnEmptyTitleDoesNothing) {
    client.conn.LobbyTitle = u"  "_s;
    RestoreLobby(client.conn);
    MinimizeLobby(client.conn);
    EXPECT_FALSE(platform.process.ended());
    client.conn.LobbyTitle = kDefaultLobbyTitle;
    MinimizeLobby(client.conn);
    EXPECT_EQ(platform.lobby.events().back().kind, FakeLobbyLink::Kind::Minimize);
    platform.lobby.close(kDefaultLobbyTitle);
    MinimizeLobby(client.conn);
    EXPECT_THROW(RestoreLobby(client.conn), platform::fake::ProgramEnded);
    EXPECT_EQ(platform.process.ended(), platform::Process::End::EndNow);
}

TEST_F(LobbyWindowTest, OtherMessagesAreNotTheLobbys) {
    EXPECT_CALL(later, LeaveTableReset()).Times(0);
    for (const int m : {0, 0x10, 0x401, 0x467}) {
        platform.lobby.send(m);
    }
    EXPECT_TRUE(platform.lobby.events().empty());
}

} // namespace
} // namespace qv::connection
