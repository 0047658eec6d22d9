#include "common/runtime_errors.h"
#include "common/vb_text.h"

#include <gtest/gtest.h>
#include <utility>

namespace qv {
namespace {

using namespace Qt::StringLiterals;

TEST(VbText, CutsCountFromOneAndClampToTheText) {
    const QString s = u"本游戏abc"_s;
    EXPECT_EQ(vbLeft(s, 2), u"本游"_s);
    EXPECT_EQ(vbLeft(s, 99), s);
    EXPECT_EQ(vbLeft(s, -1), QString());
    EXPECT_EQ(vbRight(s, 2), u"bc"_s);
    EXPECT_EQ(vbMid(s, 3), u"戏abc"_s);
    EXPECT_EQ(vbMid(s, 3, 2), u"戏a"_s);
    EXPECT_EQ(vbMid(s, 99, 2), QString());
    EXPECT_THROW((void)vbMid(s, 0), RuntimeError);
    EXPECT_EQ(vbInStr(1, s, u"abc"_s), 4);
    EXPECT_EQ(vbInStr(5, s, u"abc"_s), 0);
    EXPECT_EQ(vbInStr(9, s, u"a"_s), 0);
}

TEST(VbText, TrimsRemoveSpacesOnly) {
    EXPECT_EQ(vbTrim(u"  a b \t "_s), u"a b \t"_s);
    EXPECT_EQ(vbLTrim(u"  a "_s), u"a "_s);
    EXPECT_EQ(vbRTrim(u"  a "_s), u"  a"_s);
    EXPECT_EQ(vbTrim(u"   "_s), QString());
}

TEST(VbText, AnsiLengthCountsDoubleBytes) {
    EXPECT_EQ(ansiLength(u"ab本游"_s), 6);
    EXPECT_EQ(ansiLength(QString()), 0);
}

TEST(VbText, LeadingNumberReadsTheNumberTheTextBeginsWith) {
    const std::pair<QString, double> cases[]{
        {u"42"_s, 42},     {u" \t\n-3.5x"_s, -3.5}, {u"+.5"_s, 0.5},
        {u"7."_s, 7},      {u"1.5e3;x"_s, 1500},    {u"2e"_s, 2},
        {u"2e+"_s, 2},     {u"1e999"_s, 0},         {u"."_s, 0},
        {u"-"_s, 0},       {u"abc"_s, 0},           {QString(), 0},
        {u"2\uFF11"_s, 2}, {u"\u0661"_s, 0},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(leadingNumber(text), value) << text.toStdString();
    }
}

} // namespace
} // namespace qv
