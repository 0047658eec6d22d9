#include "client_fixture.h"
#include "connection/commands.h"
#include "connection/socks5.h"

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

using platform::Socket;

QByteArray hex(const QByteArray& text) {
    return QByteArray::fromHex(text);
}

// The client through a proxy played by the test, on the real SOCKS5 client.
class Socks5ClientTest : public ClientTest {
protected:
    /// The game server 10.0.0.7:6000 through the proxy 127.0.0.1:1080.
    static QString proxyLine(const QString& user = u"tuser"_s, const QString& pass = u"tpass"_s) {
        return u"alice$secret$10.0.0.7$6000$loc$5$127.0.0.1$1080$%1$%2$0$$$0$0$"_s.arg(user, pass);
    }
    /// Starts through the proxy and lets the socket reach it.
    void startAtProxy(const QString& line = proxyLine()) {
        start(line);
        platform.winsock.acceptConnection();
    }
    QByteArray sent() { return platform.winsock.takeSent(); }
    /// The login reply a server sends first: accepted, with sequence bytes 5 and 6.
    static QByteArray loginReply() {
        return message(MsgLogin, {{15, 1}, {260, 5}, {261, 6}}).toByteArray();
    }
    void expectFailure(const QString& text) {
        ASSERT_EQ(platform.messageBox.shown_.size(), 1U) << text.toStdString();
        EXPECT_EQ(platform.messageBox.shown_[0].text, text);
        EXPECT_EQ(platform.messageBox.shown_[0].title, QString());
        EXPECT_EQ(platform.winsock.State(), Socket::sckClosed);
        EXPECT_FALSE(client.conn.connecting);
        EXPECT_FALSE(client.conn.g_bGameData);
        EXPECT_FALSE(client.conn.TimerBong.Enabled());
        EXPECT_TRUE(platform.lobby.posted().empty());
    }
};

TEST_F(Socks5ClientTest, TheStartUpReturnsAtOnceAndTheGreetingFollowsTheProxyConnect) {
    start(proxyLine());
    EXPECT_TRUE(view().shown);
    EXPECT_TRUE(client.conn.connecting);
    EXPECT_EQ(platform.winsock.connects(), 1);
    EXPECT_EQ(platform.winsock.RemoteHost(), u"127.0.0.1"_s);
    EXPECT_EQ(platform.winsock.RemotePort(), 1080);
    EXPECT_TRUE(sent().isEmpty());
    // The lobby asking to connect meanwhile starts no second connect.
    platform.lobby.send(LobbyMsgReconnect);
    EXPECT_EQ(platform.winsock.connects(), 1);

    platform.winsock.acceptConnection();
    EXPECT_EQ(sent(), hex("05020002"));
    EXPECT_TRUE(client.conn.g_bLoginPending);
    EXPECT_TRUE(client.conn.slots.BongFlag[kCheckSlot]);
}

TEST_F(Socks5ClientTest, UserPasswordThenConnectThenTheLoginAndThePump) {
    startAtProxy();
    sent();
    platform.winsock.receive(hex("0502"));
    EXPECT_EQ(sent(), hex("01057475736572057470617373"));
    platform.winsock.receive(hex("0100"));
    EXPECT_EQ(sent(), hex("050100010a0000071770"));
    platform.lobby.clearEvents();
    platform.winsock.receive(hex("05000001 0a000007 1770"));
    EXPECT_EQ(sent(), client.conn.LoginBuffer.toByteArray());
    EXPECT_EQ(client.conn.LoginBuffer.command(), MsgLogin);
    EXPECT_TRUE(client.conn.g_bGameData);
    EXPECT_FALSE(client.conn.connecting);
    EXPECT_TRUE(client.conn.TimerBong.Enabled());
    EXPECT_EQ(platform.lobby.posted(), std::vector<int>{LobbyMsgConnected});
    EXPECT_EQ(view().sysmsg[0], QStringList{u"连接代理服务器成功！"_s});
    EXPECT_TRUE(platform.messageBox.shown_.empty());
}

TEST_F(Socks5ClientTest, MethodNoAuthenticationGoesStraightToConnect) {
    startAtProxy();
    sent();
    platform.winsock.receive(hex("0500"));
    EXPECT_EQ(sent(), hex("050100010a0000071770"));
}

TEST_F(Socks5ClientTest, AHostNameIsAskedForByName) {
    startAtProxy(u"alice$secret$game.example$6000$loc$5$127.0.0.1$1080$$$0$$$0$0$"_s);
    sent();
    platform.winsock.receive(hex("0500"));
    EXPECT_EQ(sent(), hex("050100030c") + "game.example" + hex("1770"));
}

// The proxy's whole side of the exchange, followed by the server's first message, cut into two
// arrivals at every byte and also sent a byte at a time: the exchange succeeds the same way and
// exactly the server's bytes reach the game.
TEST_F(Socks5ClientTest, RepliesCutAnywhereGiveTheSameExchangeAndTheSameGameBytes) {
    const QByteArray boundAddresses[] = {
        hex("05000001 7f000001 1f90"),
        hex("05000004 20010db8000000000000000000000001 1f90"),
        hex("05000003 0d") + "proxy.example" + hex("1f90"),
    };
    for (const QByteArray& connectReply : boundAddresses) {
        const QByteArray stream = hex("0502") + hex("0100") + connectReply + loginReply();
        for (qsizetype cut = 0; cut <= stream.size(); ++cut) {
            platform::fake::FakePlatform fresh;
            fresh.lobby.open(kDefaultLobbyTitle);
            ConnectionParts other(fresh.services);
            Form_Load(other.conn, proxyLine());
            fresh.winsock.acceptConnection();
            if (cut < stream.size()) {
                fresh.winsock.receive(stream.left(cut));
                fresh.winsock.receive(stream.mid(cut));
            } else {
                for (const char byte : stream) {
                    fresh.winsock.receive(QByteArray(1, byte));
                }
            }
            const QByteArray expectedSent = hex("05020002") + hex("01057475736572057470617373") +
                                            hex("050100010a0000071770") +
                                            other.conn.LoginBuffer.toByteArray();
            ASSERT_EQ(fresh.winsock.sent(), expectedSent) << connectReply.toHex().data() << cut;
            ASSERT_EQ(other.conn.RecvRing.waiting(), kMessageSize) << cut;
            fresh.time.advance(150);
            EXPECT_TRUE(other.conn.g_bLoggedIn) << cut;
            EXPECT_EQ(other.conn.CurSeqNum, (std::array<std::uint8_t, 2>{5, 6}));
            EXPECT_TRUE(fresh.messageBox.shown_.empty());
        }
    }
}

TEST_F(Socks5ClientTest, EachStageFailsWithItsNoticeAndClosesTheSocket) {
    const struct {
        std::vector<QByteArray> replies;
        QString notice;
    } cases[] = {
        {{hex("05ff")}, u"请求代理失败！"_s},
        {{hex("0501")}, u"请求代理失败！"_s},
        {{hex("0400")}, u"请求代理失败！"_s},
        {{hex("0502"), hex("0101")}, u"代理服务器用户验证失败！"_s},
        {{hex("0502"), hex("0500")}, u"代理服务器用户验证失败！"_s},
        {{hex("0500"), hex("0505")}, u"通过代理连接主站失败！"_s},
        {{hex("0500"), hex("05010001")}, u"通过代理连接主站失败！"_s},
        {{hex("0500"), hex("05000009")}, u"通过代理连接主站失败！"_s},
        {{hex("0500"), hex("04000001")}, u"通过代理连接主站失败！"_s},
    };
    for (const auto& c : cases) {
        platform::fake::FakePlatform fresh;
        fresh.lobby.open(kDefaultLobbyTitle);
        ConnectionParts other(fresh.services);
        Form_Load(other.conn, proxyLine());
        fresh.winsock.acceptConnection();
        fresh.lobby.clearEvents();
        for (const QByteArray& reply : c.replies) {
            fresh.winsock.receive(reply);
        }
        ASSERT_EQ(fresh.messageBox.shown_.size(), 1U) << c.notice.toStdString();
        EXPECT_EQ(fresh.messageBox.shown_[0].text, c.notice);
        EXPECT_EQ(fresh.winsock.State(), Socket::sckClosed);
        EXPECT_FALSE(other.conn.connecting);
        EXPECT_FALSE(other.conn.g_bGameData);
        EXPECT_FALSE(other.conn.TimerBong.Enabled());
        EXPECT_TRUE(fresh.lobby.posted().empty());
    }
}

TEST_F(Socks5ClientTest, ACredentialTooLongForItsLengthByteFailsWithoutBeingSent) {
    // 128 characters of two bytes each.
    startAtProxy(proxyLine(u"tuser"_s, QString(128, u'张')));
    platform.lobby.clearEvents();
    sent();
    platform.winsock.receive(hex("0502"));
    EXPECT_TRUE(sent().isEmpty());
    expectFailure(u"代理服务器用户验证失败！"_s);
}

TEST_F(Socks5ClientTest, AProxyThatRefusesOrDropsTheConnectionFails) {
    start(proxyLine());
    platform.winsock.failConnection();
    expectFailure(u"通过代理连接主站失败！"_s);

    platform.messageBox.shown_.clear();
    platform.lobby.send(LobbyMsgReconnect);
    EXPECT_EQ(platform.winsock.connects(), 2);
    platform.winsock.acceptConnection();
    platform.lobby.clearEvents();
    platform.winsock.closeByPeer();
    expectFailure(u"通过代理连接主站失败！"_s);
}

TEST_F(Socks5ClientTest, AnUnreachableProxyFailsAtTheBoundOfItsWait) {
    start(proxyLine());
    platform.time.advance(Socks5Client::kExchangeBoundMs - 1);
    EXPECT_TRUE(platform.messageBox.shown_.empty());
    EXPECT_TRUE(client.conn.connecting);
    platform.time.advance(1);
    expectFailure(u"通过代理连接主站失败！"_s);
    platform.time.advance(Socks5Client::kExchangeBoundMs * 3);
    EXPECT_EQ(platform.messageBox.shown_.size(), 1U);
}

TEST_F(Socks5ClientTest, BytesAfterAFailureAreDropped) {
    startAtProxy();
    platform.winsock.receive(hex("05ff"));
    platform.winsock.receive(QByteArray(4000, 'x'));
    EXPECT_FALSE(platform.process.ended());
    EXPECT_EQ(platform.messageBox.shown_.size(), 1U);
}

} // namespace
} // namespace qv::connection
