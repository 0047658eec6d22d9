#include "connection/command_line.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

/// A full line with each field replaceable by number (1 to 15).
QString lineWith(std::initializer_list<std::pair<int, QString>> changes, bool closed = true) {
    QStringList fields{u"alice"_s, u"secret"_s, u"127.0.0.1"_s, u"6000"_s, u"一号桌"_s,
                       u"0"_s,     u"proxy"_s,  u"1080"_s,      u"pu"_s,   u"pp"_s,
                       u"0"_s,     u"大厅"_s,   u"标题"_s,      u"1"_s,    u"7"_s};
    for (const auto& [field, text] : changes) {
        fields[field - 1] = text;
    }
    QString line = fields.join(u'$');
    return closed ? line + u'$' : line;
}

TEST(CommandLineTest, FullLineTakesAllFifteenFields) {
    const auto result = ReadCommandLine(u"  "_s + lineWith({}) + u" "_s);
    ASSERT_EQ(result.status, CommandLineStatus::Ok);
    const auto& l = result.line;
    EXPECT_EQ(l.fieldsTaken_, 15);
    EXPECT_FALSE(l.g_bSpectator);
    EXPECT_EQ(l.userName_, u"alice"_s);
    EXPECT_EQ(l.credential_, u"secret"_s);
    EXPECT_EQ(l.ServerHost, u"127.0.0.1"_s);
    EXPECT_EQ(l.ServerPort, 6000);
    EXPECT_EQ(l.location_, u"一号桌"_s);
    EXPECT_EQ(l.ProxyType, 0);
    EXPECT_EQ(l.ProxyHost, u"proxy"_s);
    EXPECT_EQ(l.ProxyPort, 1080);
    EXPECT_EQ(l.proxyUserLength_, 2);
    EXPECT_EQ(l.proxyPassLength_, 2);
    EXPECT_FALSE(l.AltLobbyMode);
    EXPECT_EQ(l.LobbyTitle, u"大厅"_s);
    EXPECT_EQ(l.LobbyCaption, u"标题"_s);
    EXPECT_EQ(l.Prop_swicth, 1);
    EXPECT_EQ(l.Prop_InitArg, 7);
    EXPECT_FALSE(l.watchAmount_.has_value());
}

TEST(CommandLineTest, NumericFieldsConvertOrFailTheStart) {
    const struct {
        int field;
        QString text;
        bool ok;
    } cases[] = {
        {4, u"65535"_s, true},
        {4, u"40000"_s, true},
        {4, u"0"_s, true},
        {4, u"65536"_s, false},
        {4, u"-1"_s, false},
        {4, u""_s, false},
        {4, u"port"_s, false},
        {8, u""_s, false},
        {8, u"65535"_s, true},
        {6, u"32767"_s, true},
        {6, u"32768"_s, false},
        {6, u"-32768"_s, true},
        {14, u"40000"_s, false},
        {15, u" 12 "_s, true},
        {15, u"1e3"_s, true},
        {15, u"nan"_s, false},
        {9, QString(255, u'u'), true},
        {9, QString(256, u'u'), false},
    };
    for (const auto& c : cases) {
        const auto result = ReadCommandLine(lineWith({{c.field, c.text}}));
        EXPECT_EQ(result.status == CommandLineStatus::Ok, c.ok)
            << c.field << " " << c.text.toStdString();
    }
}

TEST(CommandLineTest, NumbersRoundToTheNearestEven) {
    const auto result = ReadCommandLine(lineWith({{6, u"2.5"_s}, {14, u"3.5"_s}, {4, u"80.6"_s}}));
    ASSERT_EQ(result.status, CommandLineStatus::Ok);
    EXPECT_EQ(result.line.ProxyType, 2);
    EXPECT_EQ(result.line.Prop_swicth, 4);
    EXPECT_EQ(result.line.ServerPort, 81);
}

TEST(CommandLineTest, Field11IsTheAlternateModeOnlyWhenItReadsAsOne) {
    const struct {
        QString text;
        bool alt;
    } cases[] = {{u"1"_s, true},    {u" 1.0"_s, true}, {u"1abc"_s, true}, {u"2"_s, false},
                 {u"abc"_s, false}, {u""_s, false},    {u"0"_s, false},   {u"10"_s, false}};
    for (const auto& c : cases) {
        const auto result = ReadCommandLine(lineWith({{11, c.text}}));
        ASSERT_EQ(result.status, CommandLineStatus::Ok) << c.text.toStdString();
        EXPECT_EQ(result.line.AltLobbyMode, c.alt) << c.text.toStdString();
    }
}

TEST(CommandLineTest, WatchModeReadsTheNumberBehindField5) {
    const auto result = ReadCommandLine(u"bob$pw$10.0.0.1$7000$二号桌$5000"_s);
    ASSERT_EQ(result.status, CommandLineStatus::Ok);
    EXPECT_TRUE(result.line.g_bSpectator);
    EXPECT_EQ(result.line.fieldsTaken_, 5);
    EXPECT_EQ(result.line.watchAmount_, 5000.0);
    EXPECT_EQ(result.line.ProxyType, 0);
    EXPECT_EQ(result.line.ServerPort, 7000);
}

TEST(CommandLineTest, AFullLineWithoutItsClosingDollarFails) {
    EXPECT_EQ(ReadCommandLine(lineWith({}, false)).status, CommandLineStatus::Invalid);
}

TEST(CommandLineTest, MissingFieldsKeepTheirStartValues) {
    const auto result = ReadCommandLine(u"a$b$h$1$loc$0$ph$2$u$p$"_s);
    ASSERT_EQ(result.status, CommandLineStatus::Ok);
    EXPECT_EQ(result.line.fieldsTaken_, 10);
    EXPECT_FALSE(result.line.AltLobbyMode);
    EXPECT_EQ(result.line.Prop_swicth, 0);
    EXPECT_TRUE(result.line.LobbyTitle.isEmpty());
}

TEST(CommandLineTest, NothingButBlanksIsNoCommandLine) {
    EXPECT_EQ(ReadCommandLine(u""_s).status, CommandLineStatus::Empty);
    EXPECT_EQ(ReadCommandLine(u"   "_s).status, CommandLineStatus::Empty);
}

} // namespace
} // namespace qv::connection
