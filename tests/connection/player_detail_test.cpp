#include "connection/player_detail.h"
#include "connection/server_text.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

/// A message with `bytes` written from `offset`.
GameMessage withBytes(int offset, const QByteArray& bytes) {
    GameMessage m;
    m.writeBytes(offset, bytes);
    return m;
}

struct TextCase {
    const char* what;
    QByteArray bytes;
    QString mixed;
};

TEST(ServerTextTest, MixedTextPairsLeadBytesExceptInTheLastPosition) {
    const QByteArray zhang("\xD5\xC5", 2); // 张
    const std::vector<TextCase> cases = {
        {"one-byte", "ab1", u"ab1"_s},
        {"two-byte", zhang + zhang, u"张张"_s},
        {"mixed", "a" + zhang + "b", u"a张b"_s},
        {"ends at zero", QByteArray("ab\0cd", 5), u"ab"_s},
        {"lead byte last", QByteArray(31, 'x') + "\xD5", QString(31, u'x') + QChar(0xFFFD)},
        {"lead byte before last", QByteArray(30, 'x') + zhang, QString(30, u'x') + u"张"_s},
        {"fills the field", QByteArray(32, 'y') + "zz", QString(32, u'y')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MixedText(withBytes(16, c.bytes), 16, 32), c.mixed) << c.what;
    }
}

TEST(ServerTextTest, DoubleByteTextReadsPairsUntilAZeroFirstByte) {
    const QByteArray bei("\xB1\xB1\xBE\xA9", 4); // 北京
    EXPECT_EQ(DoubleByteText(withBytes(72, bei), 72, 8), u"北京"_s);
    EXPECT_EQ(DoubleByteText(withBytes(72, bei + QByteArray("\0\x41\xB1\xB1", 4)), 72, 8),
              u"北京"_s);
    // Every pair is one character, an ASCII pair included; it is no GBK character.
    EXPECT_EQ(DoubleByteText(withBytes(72, "AB"), 72, 8), QString(QChar(0xFFFD)));
    // The field's end ends the text: the next field's bytes are not read.
    EXPECT_EQ(DoubleByteText(withBytes(72, bei + bei + bei), 72, 8), u"北京北京"_s);
}

TEST(ServerTextTest, SingleByteTextIsOneCharacterPerByte) {
    EXPECT_EQ(SingleByteText(withBytes(168, "alice"), 168, 16), u"alice"_s);
    EXPECT_EQ(SingleByteText(withBytes(210, "123456789"), 210, 8), u"12345678"_s);
}

TEST(PlayerDetailTest, EveryFieldIsReadAtItsBytes) {
    GameMessage m;
    m.writeBytes(16, QByteArray("\xD5\xC5\xC8\xFD", 4)); // 张三
    m.writeBytes(48, "w3");
    m.setU8(64, 1);
    m.writeBytes(72, QByteArray("\xB1\xB1\xBE\xA9", 4));
    m.writeBytes(80, QByteArray("\x10\x27", 2));                         // 10000
    m.setU8(88, 4);                                                      // membership level
    m.writeBytes(96, QByteArray("\x00\x00\x00\x00\x00\x00\x10\x00", 8)); // 2^52
    m.setU8(104, 1);
    m.writeBytes(112, QByteArray("\xB8\xDF\xCA\xD6", 4)); // 高手
    m.setU8(128, 2);
    m.setU8(136, 3);
    m.writeBytes(144, QByteArray("\x00\x00\x05", 3)); // room key 5
    m.setU32le(152, 7);
    m.setU32le(156, 0xFFFFFFFF);
    m.setU32le(160, 0x80000000);
    m.setU32le(164, 12);
    m.writeBytes(168, "bob");
    m.writeBytes(184, QByteArray("\xB9\xD9", 2)); // 官
    m.setU8(209, 3);
    m.writeBytes(210, "27");
    m.writeBytes(218, "40");
    m.setU8(226, 4);

    PlayerDetail d;
    DecodePlayerDetail(d, m);
    EXPECT_EQ(d.username, u"张三"_s);
    EXPECT_EQ(d.face, u"w3"_s);
    EXPECT_EQ(d.sex, 1);
    EXPECT_EQ(d.location, u"北京"_s);
    EXPECT_EQ(d.score, 10000);
    EXPECT_EQ(d.memberLevel, 4);
    EXPECT_EQ(MembershipName(d.memberLevel), u"黄金会员"_s);
    EXPECT_EQ(d.coins, 4503599627370496.0);
    EXPECT_EQ(d.spare1, 1);
    EXPECT_EQ(d.levelName, u"高手"_s);
    EXPECT_EQ(d.spare2, 2);
    EXPECT_EQ(d.spare3, 3);
    EXPECT_EQ(d.roomInfo / 65536, 5);
    EXPECT_EQ(d.logins, 7);
    EXPECT_EQ(d.disconnects, -1);
    EXPECT_EQ(d.wins, INT32_MIN);
    EXPECT_EQ(d.losses, 12);
    EXPECT_EQ(d.account, u"bob"_s);
    EXPECT_EQ(d.nameTag, u"官"_s);
    EXPECT_EQ(d.vip, 3);
    EXPECT_EQ(d.voiceSet, u"27"_s);
    EXPECT_EQ(d.voiceId, u"40"_s);
    EXPECT_EQ(d.seatCode, 4);
}

TEST(PlayerDetailTest, EightByteValuesWithTheTopBitSetStayPositive) {
    GameMessage m;
    m.writeBytes(96, QByteArray(8, '\xFF'));
    PlayerDetail d;
    DecodePlayerDetail(d, m);
    EXPECT_EQ(d.coins, 18446744073709551615.0);
}

TEST(PlayerDetailTest, NothingOfThePreviousPlayerSurvivesButTheVoiceKind) {
    PlayerDetail d;
    d.username = u"old"_s;
    d.wins = 9;
    d.coins = 5;
    d.voiceKind = 3;
    DecodePlayerDetail(d, GameMessage());
    PlayerDetail expected;
    expected.face = u"m1"_s;
    expected.voiceKind = 3;
    EXPECT_EQ(d, expected);
}

TEST(PlayerDetailTest, MembershipNamesCoverLevelsZeroToSix) {
    EXPECT_EQ(MembershipName(0), u"非会员"_s);
    EXPECT_EQ(MembershipName(6), u"钻石会员"_s);
    EXPECT_EQ(MembershipName(7), QString());
    EXPECT_EQ(MembershipName(1.5), QString());
}

} // namespace
} // namespace qv::connection
