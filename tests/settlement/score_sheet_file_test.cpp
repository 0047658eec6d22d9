#include "settlement/score_sheet_file.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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

    /// A sample sheet told apart by its first name.
    static ScoreSheet sampleNamed(const QString& name) {
        ScoreSheet sheet = sample();
        sheet.names[0] = name;
        return sheet;
    }

    /// Hand `juNum` loads as `saved` was: lines without their blanks, empty ones as one blank.
    void expectStored(int juNum, const ScoreSheet& saved) const {
        ScoreSheet loaded;
        LoadScoreSheet(ini, juNum, loaded);
        ScoreSheet expected = saved;
        for (QStringList& list : expected.lists) {
            list.replaceInStrings(QRegularExpression(u"^$"_s), u" "_s);
        }
        EXPECT_EQ(loaded.names, expected.names) << juNum;
        EXPECT_EQ(loaded.pictures, expected.pictures) << juNum;
        EXPECT_EQ(loaded.lists, expected.lists) << juNum;
        EXPECT_EQ(loaded.nameColours, expected.nameColours) << juNum;
        EXPECT_EQ(loaded.listColours, expected.listColours) << juNum;
    }

    [[nodiscard]] QByteArray file() const {
        QFile file(ini.INIFileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
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
    expectStored(1, sample());
    expectStored(2, ScoreSheet{});
}

TEST_F(ScoreSheetFile, AWriterKilledBeforeTheReplacementLeavesTheOldFileWhole) {
    SaveScoreSheet(ini, 1, sample());
    const QByteArray before = file();
    EXPECT_EXIT(
        {
            classIniFile::beforeReplace = [] {
                std::raise(SIGKILL);
            };
            SaveScoreSheet(ini, 2, sample());
        },
        testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(file(), before);
    // The lock the killed writer left behind is taken over at once.
    SaveScoreSheet(ini, 2, sampleNamed(u"next"_s));
    expectStored(1, sample());
    expectStored(2, sampleNamed(u"next"_s));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{kScoreSheetFile});
}

TEST_F(ScoreSheetFile, TwoProgramsSavingAtOnceKeepEveryKeyOfBoth) {
    constexpr int kHands = 25;
    const auto juNum = [](int writer, int hand) {
        return writer * 100 + hand;
    };
    const auto sheetOf = [&](int writer, int hand) {
        return sampleNamed(QString::number(juNum(writer, hand)));
    };
    std::array<int, 2> gate{};
    ASSERT_EQ(::pipe(gate.data()), 0);
    std::vector<pid_t> writers;
    for (int writer = 0; writer < 2; ++writer) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // Both start when the gate closes.
            ::close(gate[1]);
            char byte = 0;
            if (::read(gate[0], &byte, 1) != 0) {
                ::_exit(1);
            }
            for (int hand = 1; hand <= kHands; ++hand) {
                SaveScoreSheet(ini, juNum(writer, hand), sheetOf(writer, hand));
            }
            ::_exit(0);
        }
        writers.push_back(pid);
    }
    ::close(gate[0]);
    ::close(gate[1]);
    for (const pid_t pid : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int writer = 0; writer < 2; ++writer) {
        for (int hand = 1; hand <= kHands; ++hand) {
            expectStored(juNum(writer, hand), sheetOf(writer, hand));
        }
    }
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
