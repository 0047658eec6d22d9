#include "common/gbk.h"
#include "common/ini_file.h"
#include "common/picture_tables.h"
#include "forms/form_host.h"
#include "platform/fake/fake_time_service.h"
#include "settlement/score_sheet_file.h"
#include "settlement/score_sheet_view.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <map>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

// The score sheet file as the settlement saves it and the Score button reads it. Each case is
// measured two ways side by side: "key by key", one file operation per key through the INI
// class's single-key calls, and the sheet's own save and load. The folder is on the disk of the
// temporary folder, as the program folder is, so a save pays for its flush to the disk.

namespace qv::settlement {
namespace {

constexpr int kKeyByKey = 0;
constexpr int kSheet = 1;

/// A settled hand's sheet: fifteen lines in each seat's column and its final score.
ScoreSheet handSheet(int hand) {
    ScoreSheet sheet;
    for (int i = 0; i < 4; ++i) {
        const auto seat = static_cast<std::size_t>(i);
        sheet.names.at(seat) = u"玩家"_s + QString::number(hand * 4 + i);
        sheet.pictures.at(seat) = QString::number((hand + i) % 20);
        QStringList& column = sheet.lists.at(seat);
        column << u"房间底金：100"_s << u"名次：第"_s + QString::number(i + 1) + u"名"_s
               << u"名次得分：+ 200"_s << u"-----------"_s;
        for (int bomb = 0; bomb < 8; ++bomb) {
            column << QString::number(bomb + 4) + u"个 炸：+ "_s + QString::number(10 * bomb);
        }
        column << u"炸总得分：+ 120"_s << u"小计：+"_s + QString::number(hand * 10 + i)
               << u"等级：第十二级"_s;
        sheet.lists.at(seat + 4) = {u"最终分：+ "_s + QString::number(hand * 100 + i) + u"金币"_s};
        sheet.nameColours.at(seat) = i % 2 == 0 ? kNameBlue : 0;
        sheet.listColours.at(seat) = 255;
    }
    return sheet;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Writes the file and waits until it is on the disk, as the previous save left it, so that a
/// measured save does not flush what this wrote.
void writeFile(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
        !file.commit()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

/// The bytes of one saved hand's section, made once by the sheet's own save.
const QByteArray& sectionOf(int hand) {
    static std::map<int, QByteArray> sections;
    auto& section = sections[hand];
    if (section.isEmpty()) {
        const QTemporaryDir scratch;
        classIniFile ini;
        ini.setINIFileName(QDir(scratch.path()).filePath(kScoreSheetFile));
        SaveScoreSheet(ini, hand, handSheet(hand));
        section = readFile(ini.INIFileName());
    }
    return section;
}

/// A score sheet file of hands 1 to `hands`, each hand's own.
QByteArray fileOfHands(int hands) {
    QByteArray file;
    for (int hand = 1; hand <= hands; ++hand) {
        file += sectionOf(hand);
    }
    return file;
}

/// A score sheet file of at least `bytes`, its hands alike but for their numbers; the last hand
/// is the one a load asks for. Returns the file and its last hand.
std::pair<QByteArray, int> fileOfSize(qsizetype bytes) {
    const QByteArray& first = sectionOf(1);
    const qsizetype header = first.indexOf('\n') + 1;
    const QByteArray body = first.mid(header);
    QByteArray file;
    file.reserve(bytes + first.size());
    int hands = 0;
    while (file.size() < bytes) {
        ++hands;
        file += "[juNum:" + QByteArray::number(hands) + "]\r\n" + body;
    }
    return {file, hands};
}

/// The keys and values of a hand's section in the order the file holds them.
std::vector<std::pair<QString, QString>> entriesOf(int hand) {
    std::vector<std::pair<QString, QString>> entries;
    const QList<QByteArray> lines = sectionOf(hand).split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (const qsizetype eq = line.indexOf('='); eq > 0) {
            entries.emplace_back(fromGbkLenient(line.left(eq)), fromGbkLenient(line.mid(eq + 1)));
        }
    }
    return entries;
}

QString sectionName(int hand) {
    return u"juNum:"_s + QString::number(hand);
}

struct Folder {
    Folder() { ini.setINIFileName(QDir(dir.path()).filePath(kScoreSheetFile)); }
    QTemporaryDir dir;
    classIniFile ini;
};

const char* variantName(std::int64_t variant) {
    return variant == kKeyByKey ? "key by key" : "sheet";
}

// A settlement's save of hand `hand` into the file of the hands before it.
void BM_SettlementSave(benchmark::State& state) {
    const int hand = static_cast<int>(state.range(0));
    const QByteArray before = fileOfHands(hand - 1);
    const ScoreSheet sheet = handSheet(hand);
    const auto entries = entriesOf(hand);
    const QString section = sectionName(hand);
    const Folder folder;
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(folder.ini.INIFileName(), before);
        state.ResumeTiming();
        if (state.range(1) == kKeyByKey) {
            for (const auto& [key, value] : entries) {
                folder.ini.WriteIniKey(section, key, value);
            }
        } else {
            SaveScoreSheet(folder.ini, hand, sheet);
        }
    }
    state.SetLabel(variantName(state.range(1)));
}
BENCHMARK(BM_SettlementSave)
    ->ArgNames({"hand", "way"})
    ->ArgsProduct({{1, 50, 200}, {kKeyByKey, kSheet}})
    ->Unit(benchmark::kMillisecond);

// The floor under a save: the file after hand `hand` written whole to a new file, flushed to the
// disk and put in the old one's place, with nothing read or changed.
void BM_FileReplacedAlone(benchmark::State& state) {
    const QByteArray after = fileOfHands(static_cast<int>(state.range(0)));
    const Folder folder;
    for (auto _ : state) {
        QSaveFile file(folder.ini.INIFileName());
        if (!file.open(QIODevice::WriteOnly) || file.write(after) != after.size() ||
            !file.commit()) {
            state.SkipWithError("cannot replace the file");
        }
    }
}
BENCHMARK(BM_FileReplacedAlone)
    ->ArgName("hand")
    ->Arg(1)
    ->Arg(50)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond);

/// Reads hand `hand` of the folder's file: every key of its section one by one, or the sheet's
/// own load.
void loadHand(const Folder& folder, int hand, std::int64_t variant,
              const std::vector<std::pair<QString, QString>>& entries) {
    if (variant == kKeyByKey) {
        const QString section = sectionName(hand);
        for (const auto& entry : entries) {
            benchmark::DoNotOptimize(folder.ini.GetIniKey(section, entry.first));
        }
    } else {
        ScoreSheet sheet;
        LoadScoreSheet(folder.ini, hand, sheet);
        benchmark::DoNotOptimize(sheet);
    }
}

// The Score button's read of the last hand's sheet after 200 hands.
void BM_ScoreButtonRead(benchmark::State& state) {
    constexpr int kHand = 200;
    const Folder folder;
    writeFile(folder.ini.INIFileName(), fileOfHands(kHand));
    const auto entries = entriesOf(kHand);
    for (auto _ : state) {
        loadHand(folder, kHand, state.range(0), entries);
    }
    state.SetLabel(variantName(state.range(0)));
}
BENCHMARK(BM_ScoreButtonRead)
    ->ArgName("way")
    ->Arg(kKeyByKey)
    ->Arg(kSheet)
    ->Unit(benchmark::kMillisecond);

// The whole Score button after 200 hands: the sheet read and shown on the Score window.
void BM_ScoreButtonShow(benchmark::State& state) {
    constexpr int kHand = 200;
    const Folder folder;
    writeFile(folder.ini.INIFileName(), fileOfHands(kHand));
    platform::fake::FakeTimeService time;
    forms::FormHost host(time);
    Score score(host, [] { return nullptr; });
    common::ImageResource imageRes;
    common::InitImageResTables(imageRes, 1.0F);
    for (auto _ : state) {
        ShowStoredSheet(score, folder.ini, kHand, imageRes);
    }
}
BENCHMARK(BM_ScoreButtonShow)->Unit(benchmark::kMillisecond);

// The load of a sheet from a large file (a damaged or hostile one), its hand the last.
void BM_SheetLoadOfALargeFile(benchmark::State& state) {
    const auto [file, hand] = fileOfSize(state.range(0) << 20);
    const Folder folder;
    writeFile(folder.ini.INIFileName(), file);
    const auto entries = entriesOf(1);
    for (auto _ : state) {
        loadHand(folder, hand, state.range(1), entries);
    }
    state.SetLabel(variantName(state.range(1)));
}
BENCHMARK(BM_SheetLoadOfALargeFile)
    ->ArgNames({"MB", "way"})
    ->Args({2, kKeyByKey})
    ->Args({2, kSheet})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SheetLoadOfALargeFile)
    ->Name("BM_SheetLoadOfA100MBFile")
    ->ArgNames({"MB", "way"})
    ->Args({100, kKeyByKey})
    ->Args({100, kSheet})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qv::settlement
