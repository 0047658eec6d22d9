#include "client_fixture.h"
#include "connection/commands.h"
#include "connection/login_buffer.h"

using namespace Qt::StringLiterals;
using testing::_;

namespace qv::connection {
namespace {

using platform::Process;
using platform::fake::FakeLobbyLink;

class StartupTest : public ClientTest {};

TEST_F(StartupTest, ADirectLineConnectsPreparesTheLoginAndListensToTheLobby) {
    start(directLine());
    EXPECT_FALSE(platform.process.ended());
    EXPECT_EQ(platform.winsock.RemoteHost(), u"127.0.0.1"_s);
    EXPECT_EQ(platform.winsock.RemotePort(), 6000);
    EXPECT_EQ(platform.winsock.State(), platform::Socket::sckConnecting);
    EXPECT_TRUE(client.conn.TimerBong.Enabled());
    EXPECT_TRUE(client.conn.slots.BongFlag[kLoginSlot]);
    EXPECT_TRUE(client.conn.g_bGameData);
    EXPECT_EQ(client.conn.LobbyTitle, kDefaultLobbyTitle);
    EXPECT_EQ(client.conn.LoginBuffer, *BuildLoginBuffer(u"alice"_s, u"secret"_s));
    EXPECT_EQ(client.hand.custom[0].name, u"alice"_s);
    EXPECT_EQ(client.plugin.Prop_UserCode, u"secret"_s);
    EXPECT_EQ(view().sysmsg[0], QStringList{u"正在连接服务器..."_s});
    EXPECT_EQ(view().location, u"一号桌"_s);
    EXPECT_TRUE(view().shown);
    EXPECT_EQ(platform.lobby.events(), (std::vector<FakeLobbyLink::Event>{
                                           {FakeLobbyLink::Kind::Restore, kDefaultLobbyTitle, 0}}));
    EXPECT_TRUE(client.conn.subclassed);
}

TEST_F(StartupTest, TheAlternateLobbyModeTakesTitleAndCaption) {
    platform.lobby.open(u"我的大厅"_s);
    start(u"a$b$127.0.0.1$65535$loc$0$$0$$$1$我的大厅$桌子$0$0$"_s);
    EXPECT_FALSE(platform.process.ended());
    EXPECT_EQ(platform.winsock.RemotePort(), 65535);
    EXPECT_EQ(client.conn.LobbyTitle, u"我的大厅"_s);
    EXPECT_EQ(view().caption, u"桌子"_s);
    EXPECT_EQ(client.conn.CountDownStart, 25);
    EXPECT_TRUE(client.table.g_bBossKey);
}

TEST_F(StartupTest, Field11OfTwoKeepsTheUsualLobby) {
    start(u"a$b$127.0.0.1$1$loc$0$$0$$$2$我的大厅$桌子$0$0$"_s);
    EXPECT_EQ(client.conn.LobbyTitle, kDefaultLobbyTitle);
    EXPECT_TRUE(view().caption.isEmpty());
}

TEST_F(StartupTest, WatchModeConnectsDirectly) {
    start(u"bob$pw$127.0.0.1$7000$二号桌$5000"_s);
    EXPECT_FALSE(platform.process.ended());
    EXPECT_TRUE(client.conn.commandLine.g_bSpectator);
    EXPECT_EQ(client.conn.commandLine.watchAmount_, 5000.0);
    EXPECT_EQ(platform.winsock.connects(), 1);
}

TEST_F(StartupTest, NoCommandLineShowsTheNoticeAndEnds) {
    start(u"  "_s);
    EXPECT_EQ(platform.process.ended(), Process::End::EndNow);
    ASSERT_EQ(platform.messageBox.shown_.size(), 1U);
    EXPECT_EQ(platform.messageBox.shown_[0].text, u"本游戏需从游戏大厅中启动！"_s);
    EXPECT_EQ(platform.messageBox.shown_[0].title, u"警告"_s);
    EXPECT_TRUE(platform.lobby.events().empty());
}

TEST_F(StartupTest, ASecondCopyShowsTheNoticeAndEnds) {
    platform.singleInstance.anotherRunning_ = true;
    start(directLine());
    EXPECT_EQ(platform.process.ended(), Process::End::RestoreLobbyThenEnd);
    ASSERT_EQ(platform.messageBox.shown_.size(), 1U);
    EXPECT_EQ(platform.messageBox.shown_[0].text, u"Quorvale已经运行！"_s);
    EXPECT_EQ(platform.winsock.connects(), 0);
}

TEST_F(StartupTest, BadLinesRestoreTheLobbyAndEnd) {
    const QString lines[] = {
        u"a$b$127.0.0.1$65536$loc$0$$0$$$0$$$0$0$"_s, u"a$b$127.0.0.1$6000$loc$0$$$$$0$$$0$0$"_s,
        u"张三$b$127.0.0.1$6000$loc$0$$0$$$0$$$0$0$"_s,
        u"a$"_s + QString(229, u'c') + u"$127.0.0.1$6000$loc$0$$0$$$0$$$0$0$"_s,
        u"a$b$127.0.0.1$6000$loc$0$$0$$$0$$$0$0"_s};
    for (const auto& line : lines) {
        platform::fake::FakePlatform fresh;
        fresh.lobby.open(kDefaultLobbyTitle);
        ConnectionParts other(fresh.services);
        EXPECT_THROW(Form_Load(other.conn, line), platform::fake::ProgramEnded)
            << line.toStdString();
        EXPECT_EQ(fresh.process.ended(), Process::End::RestoreLobbyThenEnd);
        ASSERT_FALSE(fresh.lobby.events().empty());
        EXPECT_EQ(fresh.lobby.events().back().kind, FakeLobbyLink::Kind::Restore);
        EXPECT_EQ(fresh.winsock.connects(), 0);
    }
}

TEST_F(StartupTest, AMissingLobbyEndsTheStartAtItsRestore) {
    platform.lobby.close(kDefaultLobbyTitle);
    start(directLine());
    EXPECT_EQ(platform.process.ended(), Process::End::EndNow);
    EXPECT_FALSE(view().shown);
}

TEST_F(StartupTest, OtherProxyTypesConnectNothing) {
    start(u"a$b$127.0.0.1$6000$loc$3$$0$$$0$$$0$0$"_s);
    EXPECT_FALSE(platform.process.ended());
    EXPECT_EQ(platform.winsock.connects(), 0);
    EXPECT_FALSE(client.conn.TimerBong.Enabled());
    EXPECT_EQ(view().sysmsg[0], QStringList{u"正在连接服务器..."_s});
}

TEST_F(StartupTest, TheProxyTypeHandsTheConnectToTheProxyClient) {
    auto& later = mockParts();
    EXPECT_CALL(later, ConnectToSock5Server());
    start(u"a$b$127.0.0.1$6000$loc$5$proxy$1080$u$p$0$$$0$0$"_s);
    EXPECT_FALSE(client.conn.slots.BongFlag[kLoginSlot]);
    EXPECT_EQ(platform.winsock.connects(), 0);
}

TEST_F(StartupTest, UnloadStopsListeningAndClosesThePlugin) {
    auto& later = mockParts();
    start(directLine());
    loadPlugin();
    EXPECT_CALL(later, ExitPropPlugin(1));
    Form_Unload(client.conn);
    EXPECT_FALSE(client.conn.subclassed);
    EXPECT_FALSE(client.plugin.Prop_GameDll);
    platform.lobby.send(0x400);
    EXPECT_TRUE(platform.lobby.posted().empty());
}

} // namespace
} // namespace qv::connection
