#include "connection/socks5.h"

#include <gtest/gtest.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

using Kind = SocksVerdict::Kind;

std::vector<std::uint8_t> bytesOf(const QByteArray& hex) {
    const QByteArray raw = QByteArray::fromHex(hex);
    return {raw.begin(), raw.end()};
}

SocksVerdict judge(std::uint8_t stage, const std::vector<std::uint8_t>& reply) {
    return JudgeSocksReply(stage, reply);
}

TEST(Socks5Test, TheGreetingOffersNoAuthenticationAndUserPassword) {
    EXPECT_EQ(SocksGreeting().toHex(' '), "05 02 00 02");
}

TEST(Socks5Test, UserAndPasswordGoAsCodePageBytesWithTheirByteLengths) {
    const struct {
        QString user;
        QString password;
        QByteArray hex;
    } cases[] = {
        {u""_s, u""_s, "010000"},
        {u"tuser"_s, u"tpass"_s, "01057475736572057470617373"},
        {u"张三"_s, u"x"_s, "0104d5c5c8fd0178"},
        {QString(255, u'u'), u""_s, "01ff" + QByteArray(255, 'u').toHex() + "00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SocksUserPassRequest(c.user, c.password), QByteArray::fromHex(c.hex))
            << c.hex.toStdString();
    }
}

TEST(Socks5Test, UserOrPasswordTooLongOrWithoutACodePageFormIsRefused) {
    EXPECT_EQ(SocksUserPassRequest(QString(256, u'u'), u""_s), std::nullopt);
    EXPECT_EQ(SocksUserPassRequest(u""_s, QString(128, u'张')), std::nullopt);
    EXPECT_EQ(SocksUserPassRequest(u"😀"_s, u""_s), std::nullopt);
}

TEST(Socks5Test, ConnectNamesADottedAddressByItsOctetsAndAnythingElseByName) {
    const struct {
        QString host;
        int port;
        QByteArray hex;
    } cases[] = {
        {u"10.0.0.7"_s, 6000, "050100010a0000071770"},
        {u"255.255.255.255"_s, 32767, "050100 01 ffffffff 7fff"},
        {u"game.example"_s, 80, "050100 03 0c" + QByteArray("game.example").toHex() + "0050"},
        {u"10.0.0.256"_s, 1, "050100 03 0a" + QByteArray("10.0.0.256").toHex() + "0001"},
        {u"10.0.0"_s, 1, "050100 03 06" + QByteArray("10.0.0").toHex() + "0001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SocksConnectRequest(c.host, c.port), QByteArray::fromHex(c.hex))
            << c.host.toStdString();
    }
}

TEST(Socks5Test, ConnectRefusesAnEmptyOverlongOrMalformedName) {
    EXPECT_EQ(SocksConnectRequest(u""_s, 1), std::nullopt);
    EXPECT_EQ(SocksConnectRequest(u"10.0.0.+7"_s, 1), std::nullopt);
    EXPECT_EQ(SocksConnectRequest(QString(256, u'a'), 1), std::nullopt);
}

// Rogue and proper replies, each judged whole.
TEST(Socks5Test, RepliesAreAcceptedOnlyWhenRightAndWhole) {
    const QByteArray domain = QByteArray("a.test").toHex();
    const struct {
        std::uint8_t stage;
        QByteArray hex;
        Kind kind;
        std::uint8_t method;
    } cases[] = {
        {2, "0500", Kind::Accepted, 0},
        {2, "0502", Kind::Accepted, 2},
        {2, "05ff", Kind::Refused, 0},
        {2, "0501", Kind::Refused, 0},
        {2, "0400", Kind::Refused, 0},
        {2, "0000", Kind::Refused, 0},
        {4, "0100", Kind::Accepted, 0},
        {4, "0101", Kind::Refused, 0},
        {4, "0500", Kind::Refused, 0},
        {6, "05000001 7f000001 1f90", Kind::Accepted, 0},
        {6, "05000004 00000000000000000000000000000001 1f90", Kind::Accepted, 0},
        {6, "05000003 06" + domain + "1f90", Kind::Accepted, 0},
        {6, "05000003 00 1f90", Kind::Accepted, 0},
        {6, "05010001 00000000 0000", Kind::Refused, 0},
        {6, "0505", Kind::Refused, 0},
        {6, "05000002 00000000 0000", Kind::Refused, 0},
        {6, "050000ff", Kind::Refused, 0},
        {6, "04000001 00000000 0000", Kind::Refused, 0},
        {0, "05", Kind::Refused, 0},
        {1, "05", Kind::Refused, 0},
        {3, "01", Kind::Refused, 0},
        {5, "05", Kind::Refused, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(judge(c.stage, bytesOf(c.hex)), (SocksVerdict{c.kind, c.method}))
            << int(c.stage) << " " << c.hex.toStdString();
    }
}

// A reply cut anywhere before its end waits for the rest, however it is cut.
TEST(Socks5Test, EveryProperPrefixOfAGoodReplyWaitsForMore) {
    const QByteArray domain = QByteArray("proxy.example").toHex();
    const struct {
        std::uint8_t stage;
        QByteArray hex;
    } cases[] = {
        {2, "0502"},
        {4, "0100"},
        {6, "05000001 0a000007 1770"},
        {6, "05000004 20010db8000000000000000000000001 1770"},
        {6, "05000003 0d" + domain + "1770"},
    };
    for (const auto& c : cases) {
        const auto whole = bytesOf(c.hex);
        for (std::size_t cut = 0; cut < whole.size(); ++cut) {
            const std::vector<std::uint8_t> prefix(whole.begin(), whole.begin() + cut);
            EXPECT_EQ(judge(c.stage, prefix).kind, Kind::NeedMore) << c.hex.toStdString() << cut;
        }
        EXPECT_EQ(judge(c.stage, whole).kind, Kind::Accepted) << c.hex.toStdString();
    }
}

} // namespace
} // namespace qv::connection
