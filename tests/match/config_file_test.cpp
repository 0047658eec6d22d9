#include "common/gbk.h"
#include "match/match_file.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::match {
namespace {

/// A configuration with two rooms and the definitions `defs` (elements m1, m2, ...).
QString config(const QString& encoding, const QString& defs, const QString& count = u"2"_s) {
    return u"<?xml version=\"1.0\" encoding=\""_s + encoding +
           u"\"?>\n<cfg>"
           u"<room_chip n=\"2\"><roomchipnum1 id=\"12\" num=\"500\"/>"
           u"<roomchipnum2 id=\"other\" num=\"80.6\"/></room_chip>"
           u"<matchinfo n=\""_s +
           count + u"\">"_s + defs + u"</matchinfo></cfg>"_s;
}

const QString kDefs =
    u"<m1 id=\"5\" na=\"周赛\" rm=\"每周一场\" mtype=\"2\" ex=\"g:100;g:50\" ut=\"10\" utl=\"4\" "
    "des=\"说明\" rl=\"规则\" pz=\"1;g:500;1:2|2-3;g:200\"/>"
    "<m2 id=\"6.5\" na=\"日赛\" rm=\"\" mtype=\" 3 \" ex=\"\" ut=\"0\" utl=\"0\" des=\"\" rl=\"\" "
    "pz=\"1;1:1\"/>"_s;

TEST(MatchConfigFile, Utf8AndGbkFilesGiveTheSameDefinitions) {
    MatchState utf8;
    ASSERT_TRUE(ReadMatchConfig(utf8, config(u"UTF-8"_s, kDefs).toUtf8()));
    MatchState gbk;
    ASSERT_TRUE(ReadMatchConfig(gbk, toGbk(config(u"gb2312"_s, kDefs)).value()));
    EXPECT_EQ(utf8.AllMatch, gbk.AllMatch);
    EXPECT_EQ(utf8.RoomChips, gbk.RoomChips);

    ASSERT_EQ(utf8.AllMatch.size(), 2);
    const MatchDef& d = utf8.AllMatch.at(1);
    EXPECT_EQ(d.MId, 5);
    EXPECT_EQ(d.MName, u"周赛"_s);
    EXPECT_EQ(d.FeeText, u"100金币+50金币"_s);
    EXPECT_EQ(d.mtype, 2);
    EXPECT_EQ(d.ut, 10);
    EXPECT_EQ(d.utl, 4);
    const MatchPrizeTable prizes{{u"第1名"_s, u"500金币+翡翠奖励×2"_s, u"2"_s},
                                 {u"第2-3名"_s, u"200金币"_s, QString()}};
    EXPECT_EQ(d.PrizeTable, prizes);
    EXPECT_EQ(utf8.AllMatch.at(2).MId, 6);
    EXPECT_EQ(utf8.AllMatch.at(2).mtype, 3);
    ASSERT_EQ(utf8.RoomChips.size(), 2);
    EXPECT_EQ(utf8.RoomChips.at(2), (SortEntry{u"other"_s, 81}));
}

TEST(MatchConfigFile, FeeAndPrizeLists) {
    const std::vector<std::pair<QString, QString>> fees{
        {QString(), QString()},
        {u"g:100;;g:50"_s, u"100金币"_s},
        {u"g:100;x"_s, u"100金币"_s},
        {u"G:100;g:7"_s, u"7金币"_s},
        {u" g:100 ; g:50"_s, u"100金币+50金币"_s},
    };
    for (const auto& [ex, text] : fees) {
        EXPECT_EQ(FeeText(ex), text) << ex.toStdString();
    }
    const std::vector<std::pair<QString, MatchPrizeTable>> prizes{
        {u"1;g:0"_s, {{u"第1名"_s, QString(), QString()}}},
        {u"1;g:500|"_s, {{u"第1名"_s, u"500金币"_s, QString()}, {}}},
        {u"1;1:2;1:3"_s, {{u"第1名"_s, u"翡翠奖励×2+翡翠奖励×3"_s, u"3"_s}}},
        {u"1;g:5;bad;g:6|2;g:7"_s,
         {{u"第1名"_s, u"5金币"_s, QString()}, {u"第2名"_s, u"7金币"_s, QString()}}},
        {u"1;|2;g:7"_s, {{u"第1名"_s, QString(), QString()}, {}}},
        {u";g:5|2;g:7"_s, {{}, {}}},
        {u"4-10;9:1"_s, {{u"第4-10名"_s, QString(), QString()}}},
    };
    for (const auto& [pz, table] : prizes) {
        EXPECT_EQ(PrizeTable(pz), table) << pz.toStdString();
    }
}

TEST(MatchConfigFile, AMalformedFileLoadsNothing) {
    const QString m1 = u"<m1 id=\"5\" na=\"a\" rm=\"\" mtype=\"2\" ex=\"\" ut=\"1\" utl=\"1\" "
                       "des=\"\" rl=\"\" pz=\"1;g:1\"/>"_s;
    const auto without = [&m1](const QString& attribute) {
        QString m = m1;
        return m.remove(QRegularExpression(u" "_s + attribute + u"=\"[^\"]*\""_s));
    };
    const auto with = [&m1](const QString& attribute, const QString& value) {
        QString m = m1;
        return m.replace(QRegularExpression(u" "_s + attribute + u"=\"[^\"]*\""_s),
                         u" "_s + attribute + u"=\""_s + value + u"\""_s);
    };
    const std::vector<std::pair<const char*, QByteArray>> cases{
        {"not XML", QByteArray("<cfg><matchinfo")},
        {"empty", QByteArray()},
        {"no matchinfo", QByteArray("<cfg/>")},
        {"matchinfo n 0", config(u"UTF-8"_s, m1, u"0"_s).toUtf8()},
        {"n 2 with only m1", config(u"UTF-8"_s, m1, u"2"_s).toUtf8()},
        {"n negative", config(u"UTF-8"_s, m1, u"-1"_s).toUtf8()},
        {"n beyond 16 bits", config(u"UTF-8"_s, m1, u"40000"_s).toUtf8()},
        {"no n", QByteArray("<cfg><matchinfo>") + m1.toUtf8() + "</matchinfo></cfg>"},
        {"no pz", config(u"UTF-8"_s, without(u"pz"_s), u"1"_s).toUtf8()},
        {"empty pz", config(u"UTF-8"_s, with(u"pz"_s, QString()), u"1"_s).toUtf8()},
        {"no id", config(u"UTF-8"_s, without(u"id"_s), u"1"_s).toUtf8()},
        {"mtype not an integer", config(u"UTF-8"_s, with(u"mtype"_s, u"2.5"_s), u"1"_s).toUtf8()},
        {"id beyond 32 bits", config(u"UTF-8"_s, with(u"id"_s, u"1e12"_s), u"1"_s).toUtf8()},
        {"room entry without num",
         QByteArray("<cfg><room_chip n=\"1\"><roomchipnum1 id=\"1\"/></room_chip>"
                    "<matchinfo n=\"1\">") +
             m1.toUtf8() + "</matchinfo></cfg>"},
        {"invalid GBK",
         QByteArray("<?xml version=\"1.0\" encoding=\"GBK\"?><cfg na=\"\x81\x20\"/>")},
    };
    for (const auto& [name, bytes] : cases) {
        MatchState s;
        s.AllMatch.push_back({});
        EXPECT_FALSE(ReadMatchConfig(s, bytes)) << name;
        EXPECT_TRUE(s.AllMatch.empty()) << name;
    }
}

TEST(MatchConfigFile, RoomsStayWithoutARoomElementAndTheFileIsFoundByItsName) {
    QTemporaryDir dir;
    MatchState s;
    s.RoomChips.push_back({u"9"_s, 1});
    s.MatchFileName = u" cfg.xml "_s;
    EXPECT_FALSE(GetAllMatch(s, dir.path()));
    QFile file(QDir(dir.path()).filePath(u"cfg.xml"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(u"<c><matchinfo n=\"1\">"_s.toUtf8() + kDefs.toUtf8() + "</matchinfo></c>");
    file.close();
    EXPECT_TRUE(GetAllMatch(s, dir.path()));
    EXPECT_EQ(s.AllMatch.size(), 1);
    EXPECT_EQ(s.RoomChips.size(), 1);
    s.MatchFileName.clear();
    EXPECT_FALSE(GetAllMatch(s, dir.path()));
}

} // namespace
} // namespace qv::match
