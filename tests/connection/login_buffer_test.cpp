#include "connection/login_buffer.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

TEST(LoginBufferTest, HoldsCommandFlagUserAndCredential) {
    const auto login = BuildLoginBuffer(u"alice"_s, u"secret"_s);
    ASSERT_TRUE(login);
    GameMessage expected;
    expected.setU8(3, 18);
    expected.setU8(14, 1);
    expected.writeBytes(16, "alice");
    expected.writeBytes(32, "secret");
    EXPECT_EQ(*login, expected);
}

TEST(LoginBufferTest, ALongUserNameIsOverwrittenByTheCredential) {
    const auto login = BuildLoginBuffer(u"abcdefghijklmnopqrst"_s, u"XY"_s);
    ASSERT_TRUE(login);
    EXPECT_EQ(login->textField(16, 16), "abcdefghijklmnop");
    EXPECT_EQ(login->textField(32, 10), "XYst");
}

TEST(LoginBufferTest, RefusesDoubleByteCharactersAndTextsReachingTheSequenceBytes) {
    EXPECT_FALSE(BuildLoginBuffer(u"张三"_s, u"pw"_s));
    EXPECT_FALSE(BuildLoginBuffer(u"alice"_s, u"密码"_s));
    EXPECT_TRUE(BuildLoginBuffer(u"alice"_s, QString(228, u'c')));
    EXPECT_FALSE(BuildLoginBuffer(u"alice"_s, QString(229, u'c')));
    EXPECT_TRUE(BuildLoginBuffer(QString(244, u'u'), u""_s));
    EXPECT_FALSE(BuildLoginBuffer(QString(245, u'u'), u""_s));
}

} // namespace
} // namespace qv::connection
