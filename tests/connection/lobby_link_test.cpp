#include "client_fixture.h"
#include "connection/connection.h"
#include "lobby_standin.h"
#include "platform/fake/fake_platform.h"
#include "platform/qt/qt_lobby_link.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

using tools::LobbyStandIn;

/// A client whose lobby link is the real local socket, every other service fake, facing the
/// lobby stand-in in this process.
class LobbyLinkTest : public testing::Test {
protected:
    LobbyLinkTest()
        : title(u"测试大厅-%1-%2"_s.arg(QCoreApplication::applicationPid())
                    .arg(QString::fromUtf8(
                        testing::UnitTest::GetInstance()->current_test_info()->name()))),
          lobby(title) {
        EXPECT_TRUE(lobby.listen());
    }

    /// Lets both sides work until `done` holds, for at most five seconds.
    template <typename Done>
    bool until(Done done) {
        const QDeadlineTimer deadline(5000);
        while (!done() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(2);
        }
        return done();
    }

    void start() {
        Form_Load(client.conn,
                  u"alice$secret$127.0.0.1$6000$loc$0$$0$$$1$"_s + title + u"$桌$0$0$"_s);
        ASSERT_TRUE(until([this] { return lobby.listeners() == 1; }));
    }

    QString title;
    LobbyStandIn lobby;
    platform::fake::FakePlatform fakes;
    // The stand-in answers only once this thread runs it again: keep the client's wait short.
    platform::qt::QtLobbyLink link{100};
    platform::Services services{.time = fakes.time,
                                .winsock = fakes.winsock,
                                .screen = fakes.screen,
                                .messageBox = fakes.messageBox,
                                .appFolder = fakes.appFolder,
                                .singleInstance = fakes.singleInstance,
                                .shell = fakes.shell,
                                .process = fakes.process,
                                .lobby = link,
                                .plugins = fakes.plugins,
                                .sound = fakes.sound,
                                .http = fakes.http};
    ConnectionParts client{services};
};

TEST_F(LobbyLinkTest, StartUpRestoresTheLobbyAndTheLoginStepPostsReconnect) {
    lobby.setWindowState(LobbyStandIn::WindowState::Minimized);
    start();
    ASSERT_TRUE(until([this] { return !lobby.log().isEmpty(); }));
    EXPECT_EQ(lobby.log().value(0), u"RESTORE"_s);
    EXPECT_EQ(lobby.windowState(), LobbyStandIn::WindowState::Normal);
    fakes.time.advance(200);
    ASSERT_TRUE(until([this] { return !lobby.posted().empty(); }));
    EXPECT_EQ(lobby.posted(), std::vector<int>{0x16});
    MinimizeLobby(client.conn);
    EXPECT_TRUE(
        until([this] { return lobby.windowState() == LobbyStandIn::WindowState::Minimized; }));
}

TEST_F(LobbyLinkTest, QueriesAndRequestsAreAnsweredOverTheLocalSocket) {
    start();
    fakes.winsock.acceptConnection();
    client.conn.g_bLoginPending = true;
    lobby.send(0x303);
    ASSERT_TRUE(until([this] { return lobby.posted().size() == 1; }));
    client.conn.g_bLoginPending = false;
    client.conn.g_bInGame = true;
    lobby.send(0x465);
    lobby.send(0x303);
    ASSERT_TRUE(until([this] { return lobby.posted().size() == 3; }));
    lobby.send(0x400);
    ASSERT_TRUE(until([this] { return lobby.posted().size() == 4; }));
    EXPECT_EQ(lobby.posted(), (std::vector<int>{0x466, 0x465, 0x465, 0x400}));
    EXPECT_FALSE(client.conn.TimerBong.Enabled());
    EXPECT_EQ(fakes.winsock.State(), platform::Socket::sckClosed);
    const int connects = fakes.winsock.connects();
    lobby.send(0x16);
    ASSERT_TRUE(until([&] { return fakes.winsock.connects() == connects + 1; }));
    EXPECT_TRUE(client.conn.TimerBong.Enabled());
}

TEST_F(LobbyLinkTest, OnlyTheClientsOwnLobbyReachesIt) {
    start();
    LobbyStandIn other(title + u"-other"_s);
    ASSERT_TRUE(other.listen());
    platform::qt::QtLobbyLink otherLink{100};
    otherLink.listen(title + u"-other"_s, [](int) {});
    ASSERT_TRUE(until([&other] { return other.listeners() == 1; }));
    other.send(0x400);
    lobby.send(0x465);
    ASSERT_TRUE(until([this] { return !lobby.posted().empty(); }));
    EXPECT_EQ(lobby.posted(), std::vector<int>{0x400});
    EXPECT_TRUE(client.conn.slots.BongFlag[kLoginSlot]);
    EXPECT_TRUE(other.posted().empty());
}

TEST_F(LobbyLinkTest, AGoneLobbyEndsTheProgramAtTheNextRestore) {
    start();
    lobby.close();
    EXPECT_FALSE(link.find(title));
    EXPECT_FALSE(link.post(title, 0x16));
    EXPECT_THROW(RestoreLobby(client.conn), platform::fake::ProgramEnded);
    EXPECT_EQ(fakes.process.ended(), platform::Process::End::EndNow);
}

} // namespace
} // namespace qv::connection
