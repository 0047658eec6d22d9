#include "common/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

// The quick-phrase list read from a large chat.ini (a damaged or hostile one): its count and its
// 255 phrases, the section after a megabyte-sized run of other sections. Measured two ways side
// by side: "key by key", one file operation per key, and "one read", every key answered from one
// read of the file.

namespace qv {
namespace {

constexpr int kKeyByKey = 0;
constexpr int kOneRead = 1;
constexpr int kPhrases = 255;

/// Other sections up to `bytes`, then the phrase list.
QByteArray chatIni(qsizetype bytes) {
    QByteArray file;
    file.reserve(bytes + (1 << 16));
    const QByteArray filler = "line=" + QByteArray(60, 'x') + "\r\n";
    for (int section = 0; file.size() < bytes; ++section) {
        file += "[Other" + QByteArray::number(section) + "]\r\n";
        for (int line = 0; line < 64; ++line) {
            file += filler;
        }
    }
    file += "[Phrase1]\r\nnum=" + QByteArray::number(kPhrases) + "\r\n";
    for (int i = 1; i <= kPhrases; ++i) {
        file += QByteArray::number(i) + "=\xC4\xE3\xBA\xC3\xA3\xAC\xC5\xF3\xD3\xD1 " +
                QByteArray::number(i) + "\r\n";
    }
    return file;
}

/// The list as the phrase window fills it.
QStringList readPhrases(const auto& ini) {
    QStringList list;
    const int count = ini.GetIniKey(u"Phrase1"_s, u"num"_s).toInt();
    for (int i = 1; i <= count; ++i) {
        list.append(ini.GetIniKey(u"Phrase1"_s, QString::number(i)));
    }
    return list;
}

void BM_QuickPhrases(benchmark::State& state) {
    const QTemporaryDir dir;
    classIniFile ini;
    ini.setINIFileName(QDir(dir.path()).filePath(u"chat.ini"_s));
    {
        QFile file(ini.INIFileName());
        if (!file.open(QIODevice::WriteOnly) || file.write(chatIni(state.range(0) << 20)) < 0) {
            state.SkipWithError("cannot write chat.ini");
            return;
        }
    }
    for (auto _ : state) {
        const QStringList list =
            state.range(1) == kKeyByKey ? readPhrases(ini) : readPhrases(ini.ReadIniKeys());
        if (list.size() != kPhrases) {
            state.SkipWithError("the list is not whole");
        }
    }
    state.SetLabel(state.range(1) == kKeyByKey ? "key by key" : "one read");
}
BENCHMARK(BM_QuickPhrases)
    ->ArgNames({"MB", "way"})
    ->Args({2, kKeyByKey})
    ->Args({2, kOneRead})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickPhrases)
    ->Name("BM_QuickPhrasesOfA100MBFile")
    ->ArgNames({"MB", "way"})
    ->Args({100, kKeyByKey})
    ->Args({100, kOneRead})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace qv
