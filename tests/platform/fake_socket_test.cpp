#include "platform/fake/fake_platform.h"

#include <gmock/gmock.h>
#include <string>
#include <vector>

namespace qv::platform::fake {
namespace {

using testing::ElementsAre;

class FakeSocketTest : public testing::Test {
protected:
    FakeSocketTest() {
        socket_.events.Connect = [this] {
            log_.push_back("connect");
        };
        socket_.events.Close = [this] {
            log_.push_back("close");
        };
        socket_.events.DataArrival = [this](int n) {
            log_.push_back("data " + std::to_string(n));
        };
        socket_.events.Error = [this](int number, const QString&) {
            log_.push_back("error " + std::to_string(number));
        };
    }

    FakePlatform platform_;
    FakeSocket& socket_ = platform_.winsock;
    std::vector<std::string> log_;
};

TEST_F(FakeSocketTest, ScriptedConnectArrivesAsAnEventThenBytesFlowBothWays) {
    socket_.scriptConnect(0);
    ASSERT_TRUE(socket_.Connect());
    EXPECT_EQ(socket_.State(), Socket::sckConnecting);
    EXPECT_FALSE(socket_.SendData("early"));
    platform_.time.processEvents();
    EXPECT_EQ(socket_.State(), Socket::sckConnected);

    socket_.onSend = [this](const QByteArray& bytes) {
        socket_.receive(bytes.toUpper());
    };
    EXPECT_TRUE(socket_.SendData("abc"));
    EXPECT_EQ(socket_.GetData(2), "AB");
    EXPECT_EQ(socket_.BytesReceived(), 1);
    EXPECT_EQ(socket_.GetData(), "C");
    EXPECT_EQ(socket_.takeSent(), "abc");

    socket_.closeByPeer();
    EXPECT_EQ(socket_.State(), Socket::sckClosing);
    socket_.Close();
    EXPECT_EQ(socket_.State(), Socket::sckClosed);
    EXPECT_THAT(log_, ElementsAre("connect", "data 3", "close"));
}

TEST_F(FakeSocketTest, RefusedConnectLeavesTheErrorStateUntilClosed) {
    socket_.scriptConnect(Socket::sckConnectionRefused);
    ASSERT_TRUE(socket_.Connect());
    platform_.time.processEvents();
    EXPECT_EQ(socket_.State(), Socket::sckError);
    EXPECT_FALSE(socket_.Connect());
    socket_.Close();
    EXPECT_TRUE(socket_.Connect());
    EXPECT_EQ(socket_.connects(), 2);
    EXPECT_THAT(log_, ElementsAre("error 10061"));
}

TEST_F(FakeSocketTest, CloseBeforeTheOutcomeMakesItStale) {
    socket_.scriptConnect(0);
    socket_.Connect();
    socket_.Close();
    platform_.time.processEvents();
    EXPECT_EQ(socket_.State(), Socket::sckClosed);
    EXPECT_TRUE(log_.empty());
}

TEST(FakeProcess, EndingAtOnceThrowsAndStopsTheClock) {
    FakePlatform platform;
    int ticks = 0;
    platform.time.startTimer(10, [&] {
        if (++ticks == 3) {
            platform.process.endNow();
        }
    });
    try {
        platform.time.wait(1000);
        FAIL() << "the program did not end";
    } catch (const ProgramEnded& end) {
        EXPECT_EQ(end.how, Process::End::EndNow);
    }
    platform.time.wait(1000);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(platform.process.ended(), Process::End::EndNow);
}

TEST(FakeProcess, ShutDownReturnsButDeliversNothingMore) {
    FakePlatform platform;
    int ticks = 0;
    platform.time.startTimer(10, [&] { ++ticks; });
    platform.time.wait(25);
    platform.process.shutDown();
    platform.time.wait(100);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(platform.process.ended(), Process::End::ShutDown);
    EXPECT_THROW(platform.process.restoreLobbyThenEnd(), ProgramEnded);
    EXPECT_EQ(platform.process.ended(), Process::End::ShutDown);
}

TEST(FakeShell, OpensOnlyWebAddresses) {
    FakeShell shell;
    EXPECT_TRUE(shell.openPage(QStringLiteral("https://example.com/pay?x=1")));
    EXPECT_TRUE(shell.openPage(QStringLiteral("http://127.0.0.1:8080/")));
    EXPECT_FALSE(shell.openPage(QStringLiteral("file:///etc/passwd")));
    EXPECT_FALSE(shell.openPage(QStringLiteral("javascript:alert(1)")));
    EXPECT_FALSE(shell.openPage(QStringLiteral("/tmp")));
    EXPECT_EQ(shell.opened_.size(), 2U);
}

} // namespace
} // namespace qv::platform::fake
