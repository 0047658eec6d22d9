#include "common/runtime_errors.h"
#include "common/wrap_to_list.h"
#include "forms/form.h"
#include "forms/form_host.h"
#include "forms/list_box.h"
#include "platform/fake/fake_time_service.h"

#include <gmock/gmock.h>

namespace qv {
namespace {

using namespace Qt::StringLiterals;
using testing::ElementsAre;

TEST(IsHalfWidthTest, SingleByteCharactersAreHalfWidthAndDoubleByteOnesAreNot) {
    EXPECT_TRUE(IsHalfWidth(u"a"_s));
    EXPECT_TRUE(IsHalfWidth(u" "_s));
    EXPECT_TRUE(IsHalfWidth(u"~x"_s));
    EXPECT_FALSE(IsHalfWidth(u"中"_s));
    EXPECT_FALSE(IsHalfWidth(u"，"_s));
    EXPECT_FALSE(IsHalfWidth(u"Ａ"_s));
    EXPECT_THROW((void)IsHalfWidth(QString()), RuntimeError);
}

struct WrapCase {
    const char* name;
    QString text;
    std::int16_t width;
    QStringList lines;
};

void PrintTo(const WrapCase& c, std::ostream* out) {
    *out << c.name;
}

class WrapToListTest : public testing::TestWithParam<WrapCase> {
protected:
    platform::fake::FakeTimeService time_;
    forms::FormHost host_{time_};
    forms::Form form_{host_, u"Talk"_s};
    forms::ListBox list_{form_, u"Text1"_s};
};

TEST_P(WrapToListTest, AppendsTheLines) {
    const WrapCase& c = GetParam();
    list_.addItem(u"earlier"_s);
    WrapToList(list_, c.text, c.width);
    EXPECT_EQ(list_.items(), QStringList{u"earlier"_s} + c.lines);
}

const QString kChinese22 = u"这是一个二十二个汉字的系统消息内容用于测试"_s;

INSTANTIATE_TEST_SUITE_P(
    Cases, WrapToListTest,
    testing::Values(
        WrapCase{"TenLettersWidthFour", u"abcdefghij"_s, 4, {u"abcde"_s, u" fgh"_s, u" ij"_s}},
        WrapCase{"EmptyAddsNothing", QString(), 44, {}},
        WrapCase{"LeadingNulAddsNothing", u"\0abc"_s, 44, {}},
        WrapCase{"NulInTheMiddleCutsThere", u"ab\0cd"_s, 44, {u"ab"_s}},
        WrapCase{"OneCharacter", u"x"_s, 44, {u"x"_s}},
        WrapCase{"TwentyTwoChineseFitOneLine", kChinese22, 44, {kChinese22}},
        WrapCase{"ChineseCountTwoEach", u"一二三四五六"_s, 4, {u"一二三"_s, u" 四"_s, u" 五六"_s}},
        WrapCase{"MixedWidths", u"ab中cdefg"_s, 4, {u"ab中c"_s, u" defg"_s}},
        WrapCase{"LastLineKeepsItsLastCharacter", u"abcdefgh"_s, 4, {u"abcde"_s, u" fgh"_s}}),
    [](const testing::TestParamInfo<WrapCase>& param) { return std::string(param.param.name); });

} // namespace
} // namespace qv
