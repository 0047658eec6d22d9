#include "common/gbk.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace Qt::StringLiterals;

TEST(Gbk, RoundTripsChineseAndAscii) {
    const QString text = u"本游戏 abc €"_s;
    const auto bytes = toGbk(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, QByteArray("\xB1\xBE\xD3\xCE\xCF\xB7 abc \x80"));
    EXPECT_EQ(fromGbk(*bytes), text);
}

TEST(Gbk, StrictConversionsReportWhatDoesNotConvert) {
    EXPECT_FALSE(toGbk(u"한국어"_s));
    EXPECT_FALSE(toGbk(QString(QChar(0xD800))));
    EXPECT_FALSE(fromGbk(QByteArray("ab\xFF")));
    EXPECT_FALSE(fromGbk(QByteArray("ab\xB1")));
    EXPECT_EQ(fromGbkLenient(QByteArray("a\xFF\xB1\xBE"
                                        "b\xB1")),
              u"a\uFFFD本b\uFFFD"_s);
}

TEST(Gbk, PerCharacterCodesAsTheRuntimeGivesThem) {
    EXPECT_EQ(ansiCode(u'A'), 0x41);
    EXPECT_EQ(ansiCode(u'本'), 0xB1BE);
    EXPECT_EQ(ansiCode(QChar(0xAC00)), '?');
    EXPECT_EQ(toAnsi(u"本😀x"_s), QByteArray("\xB1\xBE??x"));
}

TEST(Gbk, CharacterLengthFollowsLeadAndTrailBytes) {
    const QByteArray bytes("a\xB1\xBE\xB1");
    EXPECT_EQ(gbkCharLength(bytes, 0), 1);
    EXPECT_EQ(gbkCharLength(bytes, 1), 2);
    EXPECT_EQ(gbkCharLength(bytes, 3), 1);
}

} // namespace
} // namespace qv
