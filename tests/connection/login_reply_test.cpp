#include "client_fixture.h"
#include "connection/commands.h"

using namespace Qt::StringLiterals;
using testing::_;

namespace qv::connection {
namespace {

class LoginReplyTest : public ClientTest {
protected:
    LoginReplyTest() : later(mockParts()) {
        start(directLine());
        platform.lobby.clearEvents();
    }

    static GameMessage reply(std::uint8_t result, const QByteArray& banner = {},
                             std::uint8_t autoPlay = 3) {
        GameMessage m = message(MsgLogin, {{15, result}, {9, autoPlay}});
        m.writeBytes(16, banner);
        return m;
    }
    void dispatch(GameMessage m) { DispatchFrame(client.conn, m); }

    testing::NiceMock<MockParts>& later;
};

TEST_F(LoginReplyTest, AnAcceptedLoginStartsTheKeepAliveAndTellsTheLobby) {
    client.conn.g_bLoginPending = true;
    client.conn.HeldCmd45AArmed = true;
    client.conn.HeldCmd45B.setU8(5, 9);
    client.conn.g_bHoldLeft = true;
    client.conn.g_bLeftTable = true;
    EXPECT_CALL(later, initMatchData());
    dispatch(reply(1, "http://example.test/banner"));
    const auto& c = client.conn;
    EXPECT_TRUE(c.TimerKeepAlive.Enabled());
    EXPECT_EQ(c.TimerKeepAlive.Interval(), 5000);
    EXPECT_FALSE(c.HeldCmd45AArmed);
    EXPECT_EQ(c.HeldCmd45B, GameMessage());
    EXPECT_FALSE(c.g_bHoldLeft);
    EXPECT_FALSE(c.g_bLoginPending);
    EXPECT_TRUE(c.g_bTimeLimit);
    EXPECT_FALSE(client.conn.g_bLeftTable);
    EXPECT_TRUE(c.g_bLoggedIn);
    EXPECT_EQ(c.AutoPlayAfter, 3);
    EXPECT_EQ(platform.lobby.posted(), std::vector<int>{0x303});
    EXPECT_EQ(view().sysmsg[0], QStringList{u"连接服务器成功！"_s});
    EXPECT_EQ(view().sysmsg[1].size(), 1);
    EXPECT_TRUE(view().matchPanelsHidden);
    EXPECT_EQ(view().banner, u"http://example.test/banner"_s);
    EXPECT_EQ(c.ShufflePageUrl, u"http://example.test/banner.gamead"_s);
    EXPECT_FALSE(platform.process.ended());
}

TEST_F(LoginReplyTest, KeepAlivesFollowEveryFiveSeconds) {
    platform.winsock.acceptConnection();
    tick(4);
    takeSent();
    receive(reply(1));
    tick(2);
    tick(100);
    const auto sent = takeSent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].command(), MsgKeepAlive);
    tick(100);
    EXPECT_EQ(takeSent().size(), 1U);
}

TEST_F(LoginReplyTest, BannerAddressCases) {
    client.conn.ShufflePageUrl = u"before"_s;
    dispatch(reply(1));
    EXPECT_TRUE(view().banner.isEmpty());
    EXPECT_EQ(client.conn.ShufflePageUrl, u"before"_s);
    const QByteArray full = "http://x.test/" + QByteArray(86, 'a');
    dispatch(reply(1, full));
    EXPECT_EQ(view().banner, QString::fromLatin1(full));
    dispatch(reply(1, "javascript:alert(1)"));
    EXPECT_EQ(view().banner, QString::fromLatin1(full));
}

TEST_F(LoginReplyTest, BossKeyMakesTheCountdownStartAtTwo) {
    client.conn.CountDownStart = 25;
    dispatch(reply(1));
    EXPECT_EQ(client.conn.CountDownStart, 25);
    client.table.g_bBossKey = true;
    dispatch(reply(1));
    EXPECT_EQ(client.conn.CountDownStart, 2);
}

TEST_F(LoginReplyTest, ARefusedLoginShowsWhyRestoresTheLobbyAndEnds) {
    const struct {
        std::uint8_t result;
        QString text;
    } cases[] = {{2, u"启动游戏失败，请重新在大厅就座后进入游戏！"_s},
                 {0, u"验证错误，请重新在大厅就座后进入游戏！"_s},
                 {3, u"验证错误，请重新在大厅就座后进入游戏！"_s},
                 {255, u"验证错误，请重新在大厅就座后进入游戏！"_s}};
    for (const auto& c : cases) {
        platform::fake::FakePlatform fresh;
        fresh.lobby.open(kDefaultLobbyTitle);
        ConnectionParts other(fresh.services);
        Form_Load(other.conn, directLine());
        fresh.lobby.clearEvents();
        GameMessage m = reply(c.result);
        EXPECT_THROW(DispatchFrame(other.conn, m), platform::fake::ProgramEnded);
        EXPECT_EQ(fresh.process.ended(), platform::Process::End::RestoreLobbyThenEnd);
        EXPECT_EQ(dynamic_cast<TableLog&>(*other.conn.view).sysmsg[0], QStringList{c.text});
        EXPECT_EQ(fresh.lobby.posted(), std::vector<int>{0x16});
        EXPECT_EQ(fresh.lobby.events().back().kind, platform::fake::FakeLobbyLink::Kind::Restore);
        EXPECT_TRUE(other.conn.TimerKeepAlive.Enabled());
    }
}

} // namespace
} // namespace qv::connection
