#include "script.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::tools {
namespace {

TEST(ServerScriptTest, StepsParseWithBytesTextsAndComments) {
    const auto script = parseScript(u"# login\nexpect 18 14=1\nsend 0x12 15=1 @16=http://a.b  \n"
                                    u"wait 250\n\nclose # done\n"_s);
    ASSERT_TRUE(script.error.isEmpty()) << script.error.toStdString();
    ASSERT_EQ(script.steps.size(), 4U);
    EXPECT_EQ(script.steps[0].kind, ScriptStep::Kind::Expect);
    EXPECT_EQ(script.steps[1].message.command(), 18);
    EXPECT_EQ(script.steps[1].message.u8(15), 1);
    EXPECT_EQ(script.steps[1].message.textField(16, 100), "http://a.b");
    EXPECT_EQ(script.steps[2].waitMs, 250);
    EXPECT_EQ(script.steps[3].kind, ScriptStep::Kind::Close);

    connection::GameMessage login;
    login.setCommand(18);
    EXPECT_FALSE(script.steps[0].matches(login));
    login.setU8(14, 1);
    EXPECT_TRUE(script.steps[0].matches(login));
}

TEST(ServerScriptTest, BadLinesAreNamed) {
    for (const QString& line : {u"send 256"_s, u"send 18 272=1"_s, u"send 18 3=300"_s, u"expect"_s,
                                u"wait x"_s, u"jump 3"_s, u"send 18 @270=abcd"_s}) {
        const auto script = parseScript(u"wait 1\n"_s + line);
        EXPECT_TRUE(script.steps.empty()) << line.toStdString();
        EXPECT_TRUE(script.error.startsWith(u"line 2:"_s)) << line.toStdString();
    }
}

} // namespace
} // namespace qv::tools
