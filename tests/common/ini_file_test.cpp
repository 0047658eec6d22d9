#include "common/ini_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace qv {
namespace {

using namespace Qt::StringLiterals;

class IniFileTest : public testing::Test {
protected:
    IniFileTest() { ini_.setINIFileName(dir_.filePath(u"chat.ini"_s)); }

    void setFile(const QByteArray& content) {
        QFile file(ini_.INIFileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray file() const {
        QFile file(ini_.INIFileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir_;
    classIniFile ini_;
};

TEST_F(IniFileTest, ReadsInProfileSemantics) {
    struct Case {
        const char* what;
        std::optional<QByteArray> file;
        QString section;
        QString key;
        QString expected;
    };
    const QByteArray sheet = "; comment\r\n[Chat]\r\nPhrase1=hi\r\nnum=10\r\n"
                             "  spaced  =  a b  \r\nquoted=\"  x  \"\r\nzh=\xB1\xBE\xD3\xCE\r\n"
                             "bad=a\xFF\r\n[Other]\r\nnum=20\r\n[chat]\r\nnum=30\r\n";
    const std::vector<Case> cases{
        {"missing file", std::nullopt, u"Chat"_s, u"num"_s, {}},
        {"missing section", sheet, u"None"_s, u"num"_s, {}},
        {"missing key", sheet, u"Chat"_s, u"Phrase2"_s, {}},
        {"plain value", sheet, u"Chat"_s, u"num"_s, u"10"_s},
        {"any case", sheet, u"CHAT"_s, u"PHRASE1"_s, u"hi"_s},
        {"spaces around", sheet, u"chat"_s, u"spaced"_s, u"a b"_s},
        {"quotes dropped", sheet, u"Chat"_s, u"quoted"_s, u"x"_s},
        {"GBK value", sheet, u"Chat"_s, u"zh"_s, u"本游"_s},
        {"invalid byte shown", sheet, u"Chat"_s, u"bad"_s, u"a\uFFFD"_s},
        {"own section only", sheet, u"Other"_s, u"num"_s, u"20"_s},
        {"comment is no key", sheet, u"Chat"_s, u"; comment"_s, {}},
        {"line feeds only", "[a]\nk=v\n", u"A"_s, u"K"_s, u"v"_s},
        {"value cut at 1023 bytes", "[a]\r\nk=" + QByteArray(1500, 'x'), u"a"_s, u"k"_s,
         QString(1023, u'x')},
        {"cut keeps characters whole", "[a]\r\nk=" + QByteArray(1022, 'x') + "\xB1\xBE", u"a"_s,
         u"k"_s, QString(1022, u'x')},
        {"NUL ends the value", QByteArray("[a]\r\nk=v\0w\r\n", 11), u"a"_s, u"k"_s, u"v"_s},
    };
    for (const Case& c : cases) {
        QFile::remove(ini_.INIFileName());
        if (c.file) {
            setFile(*c.file);
        }
        EXPECT_EQ(ini_.GetIniKey(c.section, c.key), c.expected) << c.what;
    }
}

TEST_F(IniFileTest, WritesInProfileSemantics) {
    struct Case {
        const char* what;
        std::optional<QByteArray> before;
        QString section;
        QString key;
        QString value;
        QByteArray after;
    };
    const std::vector<Case> cases{
        {"creates file and section", std::nullopt, u"Chat"_s, u"k"_s, u"v"_s, "[Chat]\r\nk=v\r\n"},
        {"replaces in any case", "[Chat]\r\nK = old\r\nz=1\r\n", u"chat"_s, u"k"_s, u"new"_s,
         "[Chat]\r\nk=new\r\nz=1\r\n"},
        {"adds before blank lines", "[a]\r\nx=1\r\n\r\n[b]\r\n", u"A"_s, u"y"_s, u"2"_s,
         "[a]\r\nx=1\r\ny=2\r\n\r\n[b]\r\n"},
        {"keeps line feeds", "[a]\nx=1", u"a"_s, u"y"_s, u"2"_s, "[a]\nx=1\ny=2\n"},
        {"appends a section", "[a]\r\nx=1", u"b"_s, u"y"_s, u"2"_s, "[a]\r\nx=1\r\n[b]\r\ny=2\r\n"},
        {"GBK bytes", std::nullopt, u"聊天"_s, u"短语"_s, u"你好"_s,
         "[\xC1\xC4\xCC\xEC]\r\n\xB6\xCC\xD3\xEF=\xC4\xE3\xBA\xC3\r\n"},
        {"no GBK form: not written", "[a]\r\n", u"a"_s, u"k"_s, u"한국어"_s, "[a]\r\n"},
        {"line break: not written", "[a]\r\n", u"a"_s, u"k"_s, u"v\r\n[b]"_s, "[a]\r\n"},
        {"key read as a header: not written", "[a]\r\n", u"a"_s, u"[b]"_s, u"v"_s, "[a]\r\n"},
        {"key with '=': not written", "[a]\r\n", u"a"_s, u"k=j"_s, u"v"_s, "[a]\r\n"},
        {"key read as a comment: not written", "[a]\r\n", u"a"_s, u";k"_s, u"v"_s, "[a]\r\n"},
        {"key with blanks around: not written", "[a]\r\n", u"a"_s, u" k"_s, u"v"_s, "[a]\r\n"},
        {"key with a tab after: not written", "[a]\r\n", u"a"_s, u"k\t"_s, u"v"_s, "[a]\r\n"},
        {"section with blanks around: not written", "[a]\r\n", u"a "_s, u"k"_s, u"v"_s, "[a]\r\n"},
        {"section cut by ']': not written", "[a]\r\n", u"a]b"_s, u"k"_s, u"v"_s, "[a]\r\n"},
        {"blanks inside names are kept", "[a]\r\n", u"a b"_s, u"k j"_s, u"v"_s,
         "[a]\r\n[a b]\r\nk j=v\r\n"},
        {"GBK section ending in byte ']'", "[\xD7\x5D]\r\nk=old\r\n", u"譣"_s, u"k"_s, u"new"_s,
         "[\xD7\x5D]\r\nk=new\r\n"},
        {"unended last line keeps its CR", "[a]\r\nx=1\r", u"a"_s, u"y"_s, u"2"_s,
         "[a]\r\nx=1\r\ny=2\r\n"},
        {"other lines keep their ends", "[a]\nx=1\r\nz=3\n[b]\r\nw=4", u"a"_s, u"y"_s, u"2"_s,
         "[a]\nx=1\r\nz=3\ny=2\n[b]\r\nw=4"},
        {"a replaced line keeps its end", "[a]\nk=1\r\n[b]\n", u"a"_s, u"k"_s, u"2"_s,
         "[a]\nk=2\r\n[b]\n"},
    };
    for (const Case& c : cases) {
        QFile::remove(ini_.INIFileName());
        if (c.before) {
            setFile(*c.before);
        }
        ini_.WriteIniKey(c.section, c.key, c.value);
        EXPECT_EQ(file(), c.after) << c.what;
    }
}

TEST_F(IniFileTest, ValuesRoundTripAndTheLastWriteWins) {
    classIniFile other;
    other.setINIFileName(ini_.INIFileName());
    ini_.WriteIniKey(u"聊天"_s, u"1"_s, u"  你好，朋友 "_s);
    EXPECT_EQ(other.GetIniKey(u"聊天"_s, u"1"_s), u"你好，朋友"_s);
    other.WriteIniKey(u"聊天"_s, u"1"_s, u"再见"_s);
    EXPECT_EQ(ini_.GetIniKey(u"聊天"_s, u"1"_s), u"再见"_s);
    ini_.WriteIniKey(u"s"_s, u"long"_s, QString(1500, u'y'));
    EXPECT_EQ(ini_.GetIniKey(u"s"_s, u"long"_s), QString(1023, u'y'));
}

TEST_F(IniFileTest, KeysReadTogetherAreThoseOfOneReadAndTheNextReadSeesAChange) {
    setFile("[a]\r\nx=1\r\ny=2\r\n");
    const IniKeys keys = ini_.ReadIniKeys();
    ini_.WriteIniKey(u"a"_s, u"x"_s, u"3"_s);
    EXPECT_EQ(keys.GetIniKey(u"a"_s, u"x"_s), u"1"_s);
    EXPECT_EQ(keys.GetIniKey(u"A"_s, u"Y"_s), u"2"_s);
    EXPECT_EQ(ini_.ReadIniKeys().GetIniKey(u"a"_s, u"x"_s), u"3"_s);
}

// Many changes made in memory and written once leave the bytes that the same changes leave made
// one file operation at a time.
TEST_F(IniFileTest, AChangeOfManyKeysWritesWhatOneCallPerKeyWrites) {
    enum class Kind { Write, DeleteKey, DeleteSection };
    struct Step {
        Kind kind;
        QString section;
        QString key;
        QString value;
    };
    const std::vector<Step> steps{
        {Kind::Write, u"a"_s, u"x"_s, u"9"_s},          {Kind::Write, u"a"_s, u"new"_s, u"1"_s},
        {Kind::Write, u"b"_s, u"k"_s, u"2"_s},          {Kind::DeleteKey, u"a"_s, u"y"_s, {}},
        {Kind::Write, u"A"_s, u"Y"_s, u"again"_s},      {Kind::Write, u"a"_s, u"[no]"_s, u"v"_s},
        {Kind::DeleteSection, u"c"_s, {}, {}},          {Kind::Write, u"c"_s, u"z"_s, u"3"_s},
        {Kind::Write, u"聊天"_s, u"短语"_s, u"你好"_s}, {Kind::DeleteKey, u"a"_s, u"x"_s, {}},
        {Kind::Write, u"a"_s, u"x"_s, u"last"_s},
    };
    const std::vector<QByteArray> files{
        "",
        "[a]\r\nx=1\r\ny=2\r\n\r\n[c]\r\nq=1\r\n",
        "[a]\nx=1",
        "[a]\r\nx=1\r",
        "top=1\r\n[b]\nk=0\n[A]\r\ny=2",
        "[a]\r\n[c]\r\n[a]\r\nx=dup\r\ny=dup\r\n\r\n",
        "; only a comment",
    };
    const auto apply = [](auto& target, const Step& step) {
        switch (step.kind) {
        case Kind::Write:
            target.WriteIniKey(step.section, step.key, step.value);
            break;
        case Kind::DeleteKey:
            target.DelIniKey(step.section, step.key);
            break;
        case Kind::DeleteSection:
            target.DelIniSec(step.section);
            break;
        }
    };
    for (const QByteArray& before : files) {
        setFile(before);
        for (const Step& step : steps) {
            apply(ini_, step);
        }
        const QByteArray oneByOne = file();
        setFile(before);
        ini_.ChangeIniKeys([&](IniKeys& keys) {
            for (const Step& step : steps) {
                apply(keys, step);
            }
        });
        EXPECT_EQ(file(), oneByOne) << before.toStdString();
    }
}

TEST_F(IniFileTest, DeletesKeysAndSections) {
    setFile("[a]\r\nx=1\r\ny=2\r\n[b]\r\nz=3\r\n");
    ini_.DelIniKey(u"A"_s, u"X"_s);
    EXPECT_EQ(file(), "[a]\r\ny=2\r\n[b]\r\nz=3\r\n");
    ini_.DelIniSec(u"a"_s);
    EXPECT_EQ(file(), "[b]\r\nz=3\r\n");
    EXPECT_EQ(ini_.GetIniKey(u"a"_s, u"y"_s), QString());
    ini_.DelIniSec(u"missing"_s);
    EXPECT_EQ(file(), "[b]\r\nz=3\r\n");
}

TEST_F(IniFileTest, ReadsKeysOfGbkSectionsEndingInByteBracket) {
    setFile("[\xD7\x5D]\r\nk=1\r\n[\xD7\x5D\xD7\x5D]\r\nk=2\r\n");
    EXPECT_EQ(ini_.GetIniKey(u"譣"_s, u"k"_s), u"1"_s);
    EXPECT_EQ(ini_.GetIniKey(u"譣譣"_s, u"k"_s), u"2"_s);
    ini_.WriteIniKey(u"譣"_s, u"j"_s, u"3"_s);
    EXPECT_EQ(file(), "[\xD7\x5D]\r\nk=1\r\nj=3\r\n[\xD7\x5D\xD7\x5D]\r\nk=2\r\n");
    ini_.DelIniSec(u"譣"_s);
    EXPECT_EQ(file(), "[\xD7\x5D\xD7\x5D]\r\nk=2\r\n");
}

TEST_F(IniFileTest, DeletingKeepsTheOtherLinesBytes) {
    setFile("[a]\nx=1\ny=2\r\n[b]\nz=3\r");
    ini_.DelIniKey(u"a"_s, u"x"_s);
    EXPECT_EQ(file(), "[a]\ny=2\r\n[b]\nz=3\r");
    ini_.DelIniSec(u"a"_s);
    EXPECT_EQ(file(), "[b]\nz=3\r");
}

TEST_F(IniFileTest, AnUnwritablePathChangesNothing) {
    ini_.setINIFileName(dir_.filePath(u"no/such/folder/x.ini"_s));
    ini_.WriteIniKey(u"a"_s, u"k"_s, u"v"_s);
    EXPECT_EQ(ini_.GetIniKey(u"a"_s, u"k"_s), QString());
    EXPECT_EQ(ini_.INIFileName(), dir_.filePath(u"no/such/folder/x.ini"_s));
}

} // namespace
} // namespace qv
