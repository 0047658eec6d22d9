#pragma once

#include "app/client.h"
#include "platform/fake/fake_platform.h"
#include "platform/qt/qt_plugin_host.h"
#include "platform/qt/qt_socket.h"
#include "platform/qt/qt_time_service.h"

#include <QByteArray>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <vector>

namespace qv::test {

/// The real clock, socket and plug-in loader, every other service a fake: the client plays at a
/// real server without a lobby, a screen or sound.
struct NetworkPlatform {
    platform::qt::QtTimeService time;
    platform::qt::QtSocket winsock;
    platform::qt::QtPluginHost plugins;
    platform::fake::FakePlatform fakes;
    platform::Services services{.time = time,
                                .winsock = winsock,
                                .screen = fakes.screen,
                                .messageBox = fakes.messageBox,
                                .appFolder = fakes.appFolder,
                                .singleInstance = fakes.singleInstance,
                                .shell = fakes.shell,
                                .process = fakes.process,
                                .lobby = fakes.lobby,
                                .plugins = plugins,
                                .sound = fakes.sound,
                                .http = fakes.http};
};

/// One message of the table server's log, or one of its notes (command -1, the text in `bytes`).
struct LoggedMessage {
    bool in = false;
    int command = -1;
    QByteArray bytes;
};

/// The table server's log as it stands: what came in and went out, in order.
std::vector<LoggedMessage> readTableLog(const QString& path);

/// The table server run for one test, its port file and log in a folder of its own; killed at
/// the end.
class TableServerRun {
public:
    /// Starts it with `arguments`; `port()` is 0 when it did not start.
    explicit TableServerRun(QStringList arguments);
    ~TableServerRun();
    TableServerRun(const TableServerRun&) = delete;
    TableServerRun& operator=(const TableServerRun&) = delete;

    [[nodiscard]] int port() const { return port_; }
    [[nodiscard]] QString logPath() const { return folder_.filePath(QStringLiteral("table.log")); }
    [[nodiscard]] std::vector<LoggedMessage> log() const { return readTableLog(logPath()); }
    /// Writes a line to its standard input.
    void say(const QByteArray& line);
    /// Waits until it has closed, at most `mostMs`.
    bool waitForEnd(int mostMs) { return process_.waitForFinished(mostMs); }

private:
    QTemporaryDir folder_;
    QProcess process_;
    int port_ = 0;
};

/// A whole client on the network platform, started on its table window as the lobby starts it on
/// a screen of `screen` pixels, connecting straight to the table server on `port`, to play (at a
/// table whose item plug-in the lobby allows, with `PlayingWithPlugin`) or, in watch mode, to
/// watch.
struct ClientAtTable {
    enum class Mode { Playing, PlayingWithPlugin, Watching };
    explicit ClientAtTable(int port, QSize screen = {1024, 768}, Mode mode = Mode::Playing);

    NetworkPlatform platform;
    Client client{platform.services};
    table::MainForm& form;
};

/// Runs the event loop until `done`, the program ends or `mostMs` pass (which only bounds a
/// hung run); gives `done()`.
bool runUntil(const std::function<bool()>& done, const platform::fake::FakeProcess& process,
              int mostMs = 60000);

} // namespace qv::test
