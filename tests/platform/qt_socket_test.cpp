#include "platform/qt/qt_socket.h"
#include "platform/qt/qt_time_service.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <gmock/gmock.h>
#include <memory>
#include <string>
#include <vector>

namespace qv::platform::qt {
namespace {

using namespace Qt::StringLiterals;
using testing::ElementsAre;

class QtSocketTest : public testing::Test {
protected:
    QtSocketTest() {
        socket_.events.Connect = [this] {
            log_.push_back("connect");
        };
        socket_.events.Close = [this] {
            log_.push_back("close");
        };
        socket_.events.DataArrival = [this](int) {
            log_.push_back("data");
        };
        socket_.events.Error = [this](int number, const QString&) {
            log_.push_back("error " + std::to_string(number));
        };
    }

    /// Waits in small steps, at most ten seconds, until `done` holds.
    bool waitFor(const std::function<bool()>& done) {
        for (int i = 0; i < 1000 && !done(); ++i) {
            time_.wait(10);
        }
        return done();
    }

    QtTimeService time_;
    QtSocket socket_;
    std::vector<std::string> log_;
};

TEST_F(QtSocketTest, TalksToALoopbackServerAndSeesItClose) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    socket_.setRemoteHost(u"127.0.0.1"_s);
    socket_.setRemotePort(server.serverPort());
    ASSERT_TRUE(socket_.Connect());
    EXPECT_FALSE(socket_.Connect());

    ASSERT_TRUE(waitFor([&] { return server.hasPendingConnections(); }));
    std::unique_ptr<QTcpSocket> peer(server.nextPendingConnection());
    ASSERT_TRUE(waitFor([&] { return socket_.State() == Socket::sckConnected; }));

    ASSERT_TRUE(socket_.SendData("hello"));
    QByteArray atPeer;
    ASSERT_TRUE(waitFor([&] {
        atPeer += peer->readAll();
        return atPeer.size() >= 5;
    }));
    EXPECT_EQ(atPeer, "hello");

    peer->write("world");
    ASSERT_TRUE(waitFor([&] { return socket_.BytesReceived() == 5; }));
    EXPECT_EQ(socket_.GetData(3), "wor");
    EXPECT_EQ(socket_.GetData(), "ld");

    peer->disconnectFromHost();
    ASSERT_TRUE(waitFor([&] { return socket_.State() == Socket::sckClosing; }));
    socket_.Close();
    EXPECT_EQ(socket_.State(), Socket::sckClosed);
    EXPECT_EQ(log_.front(), "connect");
    EXPECT_EQ(log_.back(), "close");
}

TEST_F(QtSocketTest, RefusedConnectionIsAnError) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const quint16 port = server.serverPort();
    server.close();
    socket_.setRemoteHost(u"127.0.0.1"_s);
    socket_.setRemotePort(port);
    ASSERT_TRUE(socket_.Connect());
    ASSERT_TRUE(waitFor([&] { return socket_.State() == Socket::sckError; }));
    EXPECT_THAT(log_, ElementsAre("error 10061"));
    socket_.Close();
    EXPECT_EQ(socket_.State(), Socket::sckClosed);
}

TEST_F(QtSocketTest, OwnCloseRaisesNoEvent) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    socket_.setRemoteHost(u"127.0.0.1"_s);
    socket_.setRemotePort(server.serverPort());
    socket_.Connect();
    ASSERT_TRUE(waitFor([&] { return socket_.State() == Socket::sckConnected; }));
    socket_.Close();
    time_.wait(20);
    EXPECT_THAT(log_, ElementsAre("connect"));
    EXPECT_FALSE(socket_.SendData("late"));
}

} // namespace
} // namespace qv::platform::qt
