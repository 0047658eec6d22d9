// Start to the first painted window: the client on its table window, started as the lobby starts
// it but against a closed port, beside a bare Qt window and the same window with one line of
// text, each its own process and the three taken in turns so all see the same machine. All run
// offscreen with a plug-in that Qt loads into them (first_paint_plugin.cpp), so the client is
// measured as it ships. Reports the medians, the peak memory of the client and the bare window at
// their first paint, and the client's ratios to the bare window (`time_ratio`, `memory_ratio`) and
// to the window with text (`text_ratio`).
//   build/default/bench/startup/startup_bench

#include "connection/connection.h"
#include "lobby_standin.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <optional>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int kRunTimeoutMs = 30000;

struct Run {
    double ms = 0;
    double peakMiB = 0;
    QByteArray window;
};

void ensureApplication() {
    static int argc = 1;
    static char name[] = "startup_bench";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        static QCoreApplication app(argc, argv);
    }
}

/// A port on which nothing listens.
quint16 closedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

/// Where a desktop session keeps its runtime folder: in memory (a tmpfs), here the session's own
/// or the shared one. The client writes its single-instance lock there, and on a disk syncing
/// that file alone costs about a millisecond that no session pays.
QString memoryFolder() {
    for (const QString& folder : {u"/run/user/%1"_s.arg(::getuid()), u"/dev/shm"_s}) {
        if (const QFileInfo info(folder); info.isDir() && info.isWritable()) {
            return folder;
        }
    }
    return QDir::tempPath();
}

/// Starts the program with a home and runtime folder of its own and waits for its first paint.
std::optional<Run> startUntilFirstPaint(const QString& program, const QStringList& arguments) {
    const QTemporaryDir home;
    const QTemporaryDir runtime(memoryFolder() + u"/startup_bench-XXXXXX"_s);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"QT_PLUGIN_PATH"_s, QStringLiteral(QV_FIRST_PAINT_PLUGINS));
    env.insert(u"QT_QPA_GENERIC_PLUGINS"_s, u"qvfirstpaint"_s);
    env.insert(u"HOME"_s, home.path());
    env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());

    std::optional<Run> run;
    // The program reports the end of its first paint on the same monotonic clock.
    long long startNs = 0;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, [&] {
        while (process.canReadLine()) {
            const QList<QByteArray> words = process.readLine().trimmed().split(' ');
            if (words.size() == 5 && words[0] == "first-paint") {
                run = Run{static_cast<double>(words[1].toLongLong() - startNs) / 1e6,
                          words[2].toDouble() / 1024, words[3] + ' ' + words[4]};
                loop.quit();
            }
        }
    });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kRunTimeoutMs, &loop, &QEventLoop::quit);
    startNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                  std::chrono::steady_clock::now().time_since_epoch())
                  .count();
    process.start(program, arguments);
    loop.exec();
    if (!process.waitForFinished(kRunTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void BM_StartToFirstPaint(benchmark::State& state) {
    ensureApplication();
    qv::tools::LobbyStandIn lobby(qv::connection::kDefaultLobbyTitle);
    if (!lobby.listen()) {
        state.SkipWithError("the lobby link cannot be served");
        return;
    }
    const QString line = u"alice$secret$127.0.0.1$%1$一号桌$0$$0$$$0$$$0$0$"_s.arg(closedPort());
    std::vector<double> bareMs, textMs, tableMs, bareMiB, tableMiB;
    QByteArray tableWindow;
    for (auto _ : state) {
        const auto bare = startUntilFirstPaint(QStringLiteral(QV_BARE_WINDOW), {});
        const auto text = startUntilFirstPaint(QStringLiteral(QV_BARE_WINDOW), {u"--text"_s});
        const auto table = startUntilFirstPaint(QStringLiteral(QV_CLIENT), {line});
        if (!bare || !text || !table) {
            state.SkipWithError("a program ended or hung before its first paint");
            return;
        }
        bareMs.push_back(bare->ms);
        textMs.push_back(text->ms);
        tableMs.push_back(table->ms);
        bareMiB.push_back(bare->peakMiB);
        tableMiB.push_back(table->peakMiB);
        tableWindow = table->window;
        state.SetIterationTime(table->ms / 1000);
    }
    state.counters["bare_ms"] = median(bareMs);
    state.counters["table_ms"] = median(tableMs);
    state.counters["time_ratio"] = median(tableMs) / median(bareMs);
    state.counters["text_ms"] = median(textMs);
    state.counters["text_ratio"] = median(tableMs) / median(textMs);
    state.counters["bare_MiB"] = median(bareMiB);
    state.counters["table_MiB"] = median(tableMiB);
    state.counters["memory_ratio"] = median(tableMiB) / median(bareMiB);
    state.SetLabel(tableWindow.toStdString());
}
BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Iterations(21)->Unit(benchmark::kMillisecond);

} // namespace
