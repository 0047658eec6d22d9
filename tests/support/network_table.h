#pragma once

#include "platform/fake/fake_platform.h"
#include "platform/qt/qt_socket.h"
#include "platform/qt/qt_time_service.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace qv::test {

/// The real clock and socket, every other service a fake: the client plays at a real server
/// without a lobby, a screen or sound.
struct NetworkPlatform {
    platform::qt::QtTimeService time;
    platform::qt::QtSocket winsock;
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
                                .plugins = fakes.plugins,
                                .sound = fakes.sound,
                                .http = fakes.http};
};

/// Starts the table server with `arguments` and a port file in `folder`; gives the port it
/// listens on, 0 when it did not start.
int startTableServer(QProcess& server, const QString& folder, QStringList arguments);

/// One message of the table server's log, or one of its notes (command -1, the text in `bytes`).
struct LoggedMessage {
    bool in = false;
    int command = -1;
    QByteArray bytes;
};

/// The table server's log as it stands: what came in and went out, in order.
std::vector<LoggedMessage> readTableLog(const QString& path);

/// The command line of a direct connection to the table server on `port`.
QString tableCommandLine(int port);

/// Runs the event loop until `done`, the program ends or `mostMs` pass (which only bounds a
/// hung run); gives `done()`.
bool runUntil(const std::function<bool()>& done, const platform::fake::FakeProcess& process,
              int mostMs = 60000);

} // namespace qv::test
