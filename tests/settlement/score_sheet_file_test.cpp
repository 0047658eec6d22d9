#include "settlement/score_sheet_file.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::settlement {
namespace {

class ScoreSheetFile : public testing::Test {
protected:
    ScoreSheetFile() { ini.setINIFileName(QDir(folder.path()).filePath(kScoreSheetFile)); }

    static ScoreSheet sample() {
        ScoreSheet sheet;
        sheet.names = {u"甲"_s, u"乙"_s, u"丙"_s, u"丁"_s};
        sheet.pictures = {u"0"_s, u"19"_s, QString(), u"7"_s};
        for (std::size_t j = 0; j < sheet.lists.size(); ++j) {
            sheet.lists.at(j) = {u"名次：第一名"_s, QString(), u"总分：- 400金币"_s};
        }
        sheet.lists[7] = {};
        sheet.nameColours = {kNameBlue, 0, 0, kNameBlue};
        sheet.listColours = {255, 65280, 0, 123456, 0, 0, 0, 0};
        return sheet;
    }

    /// Writes a file of the given lines.
    void writeFile(const QByteArray& content) const {
        QFile file(ini.INIFileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir folder;
    classIniFile ini;
};

TEST_F(ScoreSheetFile, RoundTripsNamesPicturesLinesAndColours) {
    SaveScoreSheet(ini, 1, sample());
    SaveScoreSheet(ini, 2, ScoreSheet{});
    ScoreSheet loaded;
    LoadScoreSheet(ini, 1, loaded);
    ScoreSheet expected = sample();
    for (QStringList& list : expected.lists) {
        list.replaceInStrings(QRegularExpression(u"^$"_s), u" "_s);
    }
    EXPECT_EQ(loaded.names, expected.names);
    EXPECT_EQ(loaded.pictures, expected.pictures);
    EXPECT_EQ(loaded.lists, expected.lists);
    EXPECT_EQ(loaded.nameColours, expected.nameColours);
    EXPECT_EQ(loaded.listColours, expected.listColours);
}

TEST_F(ScoreSheetFile, KeepsItsKeyLayout) {
    SaveScoreSheet(ini, 3, sample());
    EXPECT_EQ(ini.GetIniKey(u"juNum:3"_s, u"name( 1 )"_s), u"乙"_s);
    EXPECT_EQ(ini.GetIniKey(u"juNum:3"_s, u"PicIndex( 1 )"_s), u"19"_s);
    EXPECT_EQ(ini.GetIniKey(u"juNum:3"_s, u"count( 0 )"_s), u"3"_s);
    EXPECT_EQ(ini.GetIniKey(u"juNum:3"_s, u"count( 0 )( 2 )"_s), u"总分：- 400金币"_s);
    EXPECT_EQ(ini.GetIniKey(u"juNum:3"_s, u"count( 7 )"_s), u"0"_s);
}

TEST_F(ScoreSheetFile, LoadsAFileOfTheOldColourKeys) {
    writeFile("[juNum:1]\r\nname( 0 )=A\r\ncount( 0 )=1\r\ncount( 0 )( 0 )=x\r\n"
              "count( 1 )=0\r\ncount( 2 )=0\r\ncount( 3 )=0\r\ncount( 4 )=0\r\ncount( 5 )=0\r\n"
              "count( 6 )=0\r\ncount( 7 )=0\r\ncount( 0 ) ForeColor=255\r\n"
              "count( 1 ) ForeColor=1\r\ncount( 2 ) ForeColor=0\r\ncount( 3 ) ForeColor=1\r\n");
    ScoreSheet loaded;
    loaded.listColours[3] = 42;
    LoadScoreSheet(ini, 1, loaded);
    EXPECT_EQ(loaded.names[0], u"A"_s);
    EXPECT_EQ(loaded.lists[0], QStringList{u"x"_s});
    EXPECT_EQ(loaded.nameColours, (std::array<forms::OleColor, 4>{0, kNameBlue, 0, kNameBlue}));
    EXPECT_EQ(loaded.listColours[0], 255U);
    EXPECT_EQ(loaded.listColours[1], 1U);
    EXPECT_EQ(loaded.listColours[3], 42U);
}

struct DamageCase {
    const char* name;
    const char* key;
    const char* value;
    /// Lists loaded before the damage stops the load.
    int listsLoaded;
    bool coloursLoaded;
    bool pictureLoaded;
};

class DamagedSheet : public ScoreSheetFile, public testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedSheet, LoadsWhatIsSound) {
    SaveScoreSheet(ini, 1, sample());
    ini.WriteIniKey(u"juNum:1"_s, QString::fromUtf8(GetParam().key),
                    QString::fromUtf8(GetParam().value));
    ScoreSheet loaded;
    const QStringList before{u"kept"_s};
    loaded.lists.fill(before);
    loaded.pictures.fill(u"5"_s);
    LoadScoreSheet(ini, 1, loaded);
    EXPECT_EQ(loaded.names, sample().names);
    for (int j = 0; j < 8; ++j) {
        const bool fromFile = j < GetParam().listsLoaded;
        EXPECT_EQ(loaded.lists.at(static_cast<std::size_t>(j)) == before, !fromFile) << j;
    }
    EXPECT_EQ(loaded.listColours[0] == 255U, GetParam().coloursLoaded);
    EXPECT_EQ(loaded.pictures[1] == u"19"_s, GetParam().pictureLoaded);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, DamagedSheet, testing::Values(
    DamageCase{"CountNoNumber", "count( 3 )", "many", 3, false, true},
    DamageCase{"CountPastTheLimit", "count( 5 )", "100000", 5, false, true},
    DamageCase{"CountNegative", "count( 0 )", "-1", 0, false, true},
    DamageCase{"ColourNoNumber", "count( 0 ) ForeColor", "blue", 8, false, true},
    DamageCase{"ColourPastTheRange", "count( 0 ) ForeColor", "16777216", 8, false, true},
    DamageCase{"PictureOutside", "PicIndex( 1 )", "20", 8, true, false},
    DamageCase{"PictureNoNumber", "PicIndex( 1 )", "..", 8, true, false}),
    [](const testing::TestParamInfo<DamageCase>& param) { return std::string(param.param.name); });
// clang-format on

TEST_F(ScoreSheetFile, ACutFileLoadsItsSoundPart) {
    SaveScoreSheet(ini, 1, sample());
    QFile file(ini.INIFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray whole = file.readAll();
    for (const qsizetype cut : {qsizetype{0}, qsizetype{7}, whole.size() / 3, whole.size() - 5}) {
        file.resize(cut);
        ScoreSheet loaded;
        LoadScoreSheet(ini, 1, loaded);
        for (const QStringList& list : loaded.lists) {
            EXPECT_LE(list.size(), 3);
        }
        file.seek(0);
        file.write(whole);
    }
}

TEST_F(ScoreSheetFile, HandZeroOrAMissingSectionChangesNoList) {
    SaveScoreSheet(ini, 1, sample());
    ScoreSheet loaded;
    loaded.names[0] = u"keep"_s;
    loaded.lists[0] = {u"keep"_s};
    LoadScoreSheet(ini, 0, loaded);
    EXPECT_EQ(loaded.names[0], u"keep"_s);
    LoadScoreSheet(ini, 9, loaded);
    EXPECT_EQ(loaded.names[0], QString());
    EXPECT_EQ(loaded.lists[0], QStringList{u"keep"_s});
}

} // namespace
} // namespace qv::settlement
