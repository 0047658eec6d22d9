#include "app/client.h"
#include "app/start_on_table.h"
#include "platform/fake/fake_platform.h"
#include "platform/qt/qt_socket.h"
#include "platform/qt/qt_time_service.h"
#include "table/exit_windows.h"
#include "table/main_form.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

/// The real clock and socket, every other service a fake: the client plays at a real server
/// with the lobby in the test's hands.
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

int startServer(QProcess& server, const QString& folder) {
    const QString portFile = folder + u"/port"_s;
    server.start(QStringLiteral(QV_TABLE_SERVER),
                 {u"--port-file"_s, portFile, u"--seed"_s, u"3"_s, u"--delay"_s, u"0"_s, u"--log"_s,
                  folder + u"/table.log"_s});
    if (!server.waitForStarted()) {
        return 0;
    }
    QFile file(portFile);
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        if (file.open(QIODevice::ReadOnly)) {
            const int port = file.readAll().trimmed().toInt();
            if (port > 0) {
                return port;
            }
            file.close();
        }
        QThread::msleep(20);
    }
    return 0;
}

/// Whether the server logged the leave message (command 16 with byte 15 = 0) from the client.
bool serverGotLeave(const QString& log) {
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 4 && fields[1] == "in" && fields[2] == "16" &&
            fields[3].mid(30, 2) == "00") {
            return true;
        }
    }
    return false;
}

/// Runs the event loop until `done`; the deadline only bounds a hung run.
bool runUntil(const std::function<bool()>& done, const platform::fake::FakeProcess& process) {
    const QDeadlineTimer deadline(60000);
    while (!done() && !deadline.hasExpired() && !process.ended()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return done();
}

// On real sockets the player leaves through the exit dialog: the server gets the leave message,
// the lobby is restored, and the lobby's connect request brings the client back to a seat.
TEST(LeaveTableServerTest, ThePlayerLeavesAndTheLobbyBringsHimBack) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess server;
    const int port = startServer(server, folder.path());
    ASSERT_GT(port, 0);

    NetworkPlatform platform;
    platform.fakes.lobby.open(connection::kDefaultLobbyTitle);
    Client client(platform.services);
    table::MainForm& form = client.forms.get<table::MainForm>();
    app::StartOnTable(client, form,
                      u"alice$secret$127.0.0.1$%1$一号桌$0$$0$$$0$$$0$0$"_s.arg(port));
    const auto seated = [&client] {
        return client.conn.SeatedCount == 4 && !client.hand.custom[0].name.isEmpty();
    };
    ASSERT_TRUE(runUntil(seated, platform.fakes.process));

    platform.fakes.lobby.clearEvents();
    form.AnNiu(8).raiseClick();
    client.forms.get<table::frmExit>().pbCloseMe.raiseClick();
    const QString log = folder.path() + u"/table.log"_s;
    ASSERT_TRUE(runUntil([&log] { return serverGotLeave(log); }, platform.fakes.process));
    EXPECT_EQ(client.conn.SeatedCount, 0);
    EXPECT_EQ(form.windowState(), forms::window_state::kMinimized);
    ASSERT_FALSE(platform.fakes.lobby.events().empty());
    EXPECT_EQ(platform.fakes.lobby.events().back().kind,
              platform::fake::FakeLobbyLink::Kind::Restore);
    EXPECT_FALSE(platform.fakes.process.ended());

    platform.fakes.lobby.send(connection::LobbyMsgReconnect);
    EXPECT_TRUE(runUntil(seated, platform.fakes.process));
    EXPECT_FALSE(platform.fakes.process.ended());
    server.kill();
    server.waitForFinished();
}

} // namespace
} // namespace qv::between
