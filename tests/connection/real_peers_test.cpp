#include "client_fixture.h"
#include "connection/commands.h"
#include "platform/qt/qt_socket.h"
#include "tools/table_client.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

using platform::Process;
using tools::table::ServerProcess;

constexpr int kRealBoundMs = 60000;
constexpr int kEventSliceMs = 5;

/// A free port on 127.0.0.1, found by binding it once.
quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

/// A SOCKS5 proxy program listening on a free loopback port, started by the test and stopped
/// with it.
class ProxyProcess {
public:
    /// microsocks, asking for a user name and password when they are given.
    static std::unique_ptr<ProxyProcess> microsocks(const QString& user = {},
                                                    const QString& pass = {}) {
        auto proxy = std::make_unique<ProxyProcess>();
        QStringList args{u"-i"_s, u"127.0.0.1"_s, u"-p"_s, QString::number(proxy->port_)};
        if (!user.isEmpty()) {
            args << u"-u"_s << user << u"-P"_s << pass;
        }
        proxy->start(u"microsocks"_s, args);
        return proxy;
    }
    /// dante without authentication, from a configuration of its own.
    static std::unique_ptr<ProxyProcess> dante() {
        auto proxy = std::make_unique<ProxyProcess>();
        const QString config = proxy->dir_.filePath(u"danted.conf"_s);
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly)) {
            return proxy;
        }
        file.write(u"logoutput: stderr\n"
                   "internal: 127.0.0.1 port = %1\n"
                   "external: 127.0.0.1\n"
                   "clientmethod: none\n"
                   "socksmethod: none\n"
                   "user.privileged: root\n"
                   "user.unprivileged: nobody\n"
                   "client pass { from: 127.0.0.0/8 to: 0.0.0.0/0 log: error }\n"
                   "socks pass { from: 127.0.0.0/8 to: 0.0.0.0/0 log: error }\n"_s.arg(proxy->port_)
                       .toUtf8());
        file.close();
        proxy->start(u"danted"_s,
                     {u"-f"_s, config, u"-p"_s, proxy->dir_.filePath(u"pid"_s), u"-N"_s, u"1"_s});
        return proxy;
    }

    ProxyProcess() : port_(freePort()) {}
    ~ProxyProcess() {
        // Asked to end, dante takes its helper processes with it.
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    ProxyProcess(const ProxyProcess&) = delete;
    ProxyProcess& operator=(const ProxyProcess&) = delete;

    [[nodiscard]] static bool installed(const QString& program) {
        return !findProgram(program).isEmpty();
    }
    [[nodiscard]] bool ready() const { return ready_; }
    [[nodiscard]] quint16 port() const { return port_; }

private:
    static QString findProgram(const QString& program) {
        return QStandardPaths::findExecutable(program, {u"/usr/bin"_s, u"/usr/sbin"_s});
    }
    /// Starts the program and waits, at most five seconds, until it accepts connections.
    void start(const QString& program, const QStringList& args) {
        process_.start(findProgram(program), args);
        process_.waitForStarted();
        QElapsedTimer clock;
        clock.start();
        while (!ready_ && clock.elapsed() < 5000 && process_.state() == QProcess::Running) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port_);
            ready_ = probe.waitForConnected(100);
            if (!ready_) {
                QEventLoop loop;
                QTimer::singleShot(20, &loop, &QEventLoop::quit);
                loop.exec();
            }
        }
    }

    QTemporaryDir dir_;
    quint16 port_;
    QProcess process_;
    bool ready_ = false;
};

/// The client on fake services but for its socket, a real one. Virtual time moves one pump tick
/// for every few real milliseconds in which the event loop delivers the socket's events. The hand
/// is played by the least of players, registered in place of the hand's own branches: it gets
/// ready, leaves the partner call to the server and passes on every turn, which the server
/// answers by moving for it at once.
class RealPeersTest : public testing::Test {
protected:
    RealPeersTest() {
        fake.lobby.open(kDefaultLobbyTitle);
        registerLeastPlayer();
    }

    /// Runs until `done` holds or the real-time bound passes; true when it holds.
    bool runUntil(const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < kRealBoundMs) {
            QEventLoop loop;
            QTimer::singleShot(kEventSliceMs, &loop, &QEventLoop::quit);
            loop.exec();
            fake.time.advance(50);
        }
        return done();
    }
    void start(const QString& line) { Form_Load(client.conn, line); }
    static QString directLine(quint16 serverPort) {
        return u"alice$secret$127.0.0.1$%1$loc$0$$0$$$0$$$0$0$"_s.arg(serverPort);
    }
    static QString proxyLine(quint16 serverPort, quint16 proxyPort, const QString& user = {},
                             const QString& pass = {}) {
        return u"alice$secret$127.0.0.1$%1$loc$5$127.0.0.1$%2$%3$%4$0$$$0$0$"_s.arg(serverPort)
            .arg(proxyPort)
            .arg(user, pass);
    }
    [[nodiscard]] std::uint8_t ownSeat() const { return client.hand.custom[0].seat; }
    [[nodiscard]] bool seated() const { return client.conn.g_bLoggedIn && seatings >= 4; }

    platform::fake::FakePlatform fake;
    platform::qt::QtSocket socket;
    platform::Services services{.time = fake.time,
                                .winsock = socket,
                                .screen = fake.screen,
                                .messageBox = fake.messageBox,
                                .appFolder = fake.appFolder,
                                .singleInstance = fake.singleInstance,
                                .shell = fake.shell,
                                .process = fake.process,
                                .lobby = fake.lobby,
                                .plugins = fake.plugins,
                                .sound = fake.sound,
                                .http = fake.http};
    ConnectionParts client{services};
    int seatings = 0;
    int rounds = 0;
    int results = 0;

private:
    void queue(std::uint8_t command, std::initializer_list<std::pair<int, std::uint8_t>> bytes) {
        GameMessage m;
        m.setCommand(command);
        m.setU8(kSeatMaskByte, ownSeat());
        for (const auto& [offset, value] : bytes) {
            m.setU8(offset, value);
        }
        QueueFrame(client.conn, m);
    }
    void on(std::uint8_t command, std::function<void(const GameMessage&)> apply) {
        client.conn.dispatcher.on(
            command, [](const GameMessage& m) { return std::optional<GameMessage>(m); },
            std::move(apply));
    }
    void registerLeastPlayer() {
        auto& conn = client.conn;
        on(MsgPlayerSeated, [this](const GameMessage& m) {
            if (ownSeat() == 0) {
                client.hand.custom[0].seat = m.u8(kSeatMaskByte);
            }
            ++seatings;
        });
        on(MsgTableState, [this](const GameMessage& m) {
            if (m.u8(15) == 0) {
                queue(MsgTableState, {{15, 1}});
            }
        });
        on(MsgRoundStart, [this, &conn](const GameMessage& m) {
            conn.g_bInGame = true;
            conn.threadIndex = m.u32le(kThreadIndexByte);
            ++rounds;
            if (m.u8(15) == ownSeat()) {
                queue(MsgCallCard, {{8, ownSeat()}, {9, 1}});
            }
        });
        on(MsgPlayMade, [this, &conn](const GameMessage& m) {
            if (m.u8(11) == ownSeat()) {
                conn.TurnToken = m.u8(kTurnTokenByte);
                queue(MsgPlayCards, {{15, 1}});
            }
        });
        on(MsgResult, [this, &conn](const GameMessage&) {
            if (++results % 2 == 0) {
                conn.g_bInGame = false;
            }
        });
    }
};

class ThroughProxyTest : public RealPeersTest, public testing::WithParamInterface<const char*> {
protected:
    [[nodiscard]] static QString program() { return QString::fromLatin1(GetParam()); }
};

// Through each proxy without authentication, microsocks and dante, the client logs in at the
// table server, is seated and plays a hand to its result.
TEST_P(ThroughProxyTest, TheClientLogsInAndPlaysAHand) {
    if (!ProxyProcess::installed(program())) {
        GTEST_SKIP() << GetParam() << " is not installed";
    }
    ServerProcess server({u"--seed"_s, u"3"_s, u"--delay"_s, u"0"_s});
    const auto proxy =
        program() == u"danted"_s ? ProxyProcess::dante() : ProxyProcess::microsocks();
    ASSERT_TRUE(proxy->ready());
    start(proxyLine(server.port(), proxy->port()));
    ASSERT_TRUE(runUntil([&] { return results >= 2; })) << server.logText().toStdString();
    EXPECT_TRUE(seated());
    EXPECT_EQ(rounds, 1);
    EXPECT_TRUE(fake.messageBox.shown_.empty());
    EXPECT_EQ(fake.lobby.posted().front(), LobbyMsgConnected);
    EXPECT_TRUE(server.logText().contains(u" in 18 "_s));
}

INSTANTIATE_TEST_SUITE_P(Proxies, ThroughProxyTest, testing::Values("microsocks", "danted"),
                         [](const auto& param) { return std::string(param.param); });

// microsocks asking for a user name and password: the right ones log in, a wrong password gets
// its notice and the socket is closed.
TEST_F(RealPeersTest, AProxyWithUserAndPasswordLetsTheRightOnesIn) {
    if (!ProxyProcess::installed(u"microsocks"_s)) {
        GTEST_SKIP() << "microsocks is not installed";
    }
    ServerProcess server({u"--seed"_s, u"3"_s, u"--delay"_s, u"0"_s});
    const auto proxy = ProxyProcess::microsocks(u"tuser"_s, u"tpass"_s);
    ASSERT_TRUE(proxy->ready());
    start(proxyLine(server.port(), proxy->port(), u"tuser"_s, u"tpass"_s));
    EXPECT_TRUE(runUntil([&] { return seated(); }));
    EXPECT_TRUE(fake.messageBox.shown_.empty());
}

TEST_F(RealPeersTest, AProxyRefusesAWrongPassword) {
    if (!ProxyProcess::installed(u"microsocks"_s)) {
        GTEST_SKIP() << "microsocks is not installed";
    }
    ServerProcess server({u"--seed"_s, u"3"_s, u"--delay"_s, u"0"_s});
    const auto proxy = ProxyProcess::microsocks(u"tuser"_s, u"tpass"_s);
    ASSERT_TRUE(proxy->ready());
    start(proxyLine(server.port(), proxy->port(), u"tuser"_s, u"wrong"_s));
    ASSERT_TRUE(runUntil([&] { return !fake.messageBox.shown_.empty(); }));
    EXPECT_EQ(fake.messageBox.shown_[0].text, u"代理服务器用户验证失败！"_s);
    EXPECT_EQ(socket.State(), platform::Socket::sckClosed);
    EXPECT_FALSE(client.conn.g_bLoggedIn);
}

class DroppedConnectionTest : public RealPeersTest,
                              public testing::WithParamInterface<const char*> {};

/// The time in milliseconds of the first line of the table server's log holding `text`.
std::optional<int> loggedAt(const QString& log, const QString& text) {
    for (const QString& line : log.split(u'\n')) {
        if (line.contains(text)) {
            return line.section(u' ', 0, 0).toInt();
        }
    }
    return std::nullopt;
}

// The server drops the connection in the middle of the hand, after a play message or in the
// middle of one; the client's reconnect request follows within a second, the server sends what
// it missed, and the hand goes on to its result.
TEST_P(DroppedConnectionTest, TheHandIsResumedAndEnds) {
    ServerProcess server({u"--seed"_s, u"5"_s, u"--delay"_s, u"20"_s,
                          QString::fromLatin1(GetParam()), u"6"_s, u"--reconnect"_s, u"accept"_s});
    start(directLine(server.port()));
    ASSERT_TRUE(runUntil([&] { return results >= 2; })) << server.logText().toStdString();
    EXPECT_TRUE(client.conn.g_bReconnected);
    EXPECT_TRUE(client.conn.g_bLoggedIn);
    EXPECT_FALSE(client.conn.frmReconnect.loaded());
    EXPECT_EQ(rounds, 1);
    const QString log = server.logText();
    const auto dropped = loggedAt(log, u"dropping the connection"_s);
    const auto request = loggedAt(log, u" in 28 "_s);
    ASSERT_TRUE(dropped && request) << log.toStdString();
    EXPECT_LT(*request - *dropped, 1000);
    EXPECT_TRUE(log.contains(u"reconnect accepted"_s));
    EXPECT_EQ(client.conn.LoginBuffer.command(), MsgLogin);
}

INSTANTIATE_TEST_SUITE_P(Drops, DroppedConnectionTest,
                         testing::Values("--drop-after-plays", "--cut-at-play"),
                         [](const auto& param) {
                             return std::string(param.param) == "--cut-at-play" ? "MidMessage"
                                                                                : "AfterAMessage";
                         });

// The server refuses the reconnect: the notice, the lobby back, and the program ends.
TEST_F(RealPeersTest, ARefusedReconnectEndsWithItsNotice) {
    ServerProcess server({u"--seed"_s, u"5"_s, u"--delay"_s, u"20"_s, u"--drop-after-plays"_s,
                          u"6"_s, u"--reconnect"_s, u"refuse"_s});
    start(directLine(server.port()));
    bool ended = false;
    try {
        runUntil([] { return false; });
    } catch (const platform::fake::ProgramEnded& end) {
        ended = end.how == Process::End::RestoreLobbyThenEnd;
    }
    ASSERT_TRUE(ended) << server.logText().toStdString();
    ASSERT_EQ(fake.messageBox.shown_.size(), 1U);
    EXPECT_EQ(fake.messageBox.shown_[0].text, u"重连服务器失败，退出后请重新入座！"_s);
    EXPECT_EQ(fake.lobby.events().back().kind, platform::fake::FakeLobbyLink::Kind::Restore);
    EXPECT_TRUE(server.logText().contains(u"reconnect refused"_s));
}

} // namespace
} // namespace qv::connection
