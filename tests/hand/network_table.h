#pragma once

#include "platform/fake/fake_platform.h"
#include "platform/qt/qt_socket.h"
#include "platform/qt/qt_time_service.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace qv::hand::testing_support {

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

/// The command line of a direct connection to the table server on `port`.
QString tableCommandLine(int port);

} // namespace qv::hand::testing_support
