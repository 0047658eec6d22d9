#include "app/client.h"
#include "app/start_on_table.h"
#include "connection/connection.h"
#include "platform/qt/qt_http_client.h"
#include "support/network_table.h"
#include "table/exit_windows.h"
#include "table/main_form.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::match {
namespace {

/// The network platform with the real HTTP client too.
struct Platform {
    platform::qt::QtHttpClient http;
    test::NetworkPlatform net;
    platform::Services services{.time = net.time,
                                .winsock = net.winsock,
                                .screen = net.fakes.screen,
                                .messageBox = net.fakes.messageBox,
                                .appFolder = net.fakes.appFolder,
                                .singleInstance = net.fakes.singleInstance,
                                .shell = net.fakes.shell,
                                .process = net.fakes.process,
                                .lobby = net.fakes.lobby,
                                .plugins = net.fakes.plugins,
                                .sound = net.fakes.sound,
                                .http = http};
};

// On real sockets and HTTP the client downloads the table's configuration, shows the tournament
// button, is signed up automatically within the window the server sets, follows the run to its
// end and champion, and after a second login loads the file it has without downloading it.
TEST(MatchTableServerTest, TheClientFollowsARunFromTheConfigurationToItsChampion) {
    test::TableServerRun server({u"--seed"_s, u"3"_s, u"--delay"_s, u"0"_s, u"--phrases"_s,
                                 u"off"_s, u"--tournament"_s, u"--tournament-start"_s, u"4"_s,
                                 u"--tournament-length"_s, u"3"_s, u"--tournament-window"_s,
                                 u"30"_s});
    ASSERT_GT(server.port(), 0);
    Platform platform;
    platform.net.fakes.lobby.open(connection::kDefaultLobbyTitle);
    Client client{platform.services};
    auto& form = client.forms.get<table::MainForm>();
    app::StartOnTable(client, form,
                      u"alice$secret$127.0.0.1$%1$一号桌$0$$0$$$0$$$0$0$"_s.arg(server.port()));
    const auto& process = platform.net.fakes.process;
    const MatchState& s = client.match;

    ASSERT_TRUE(test::runUntil([&] { return s.g_bMatchListShown; }, process));
    const QString file = QDir(platform.net.fakes.appFolder.path()).filePath(s.MatchFileName);
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_TRUE(form.ImgShowMatch.visible());
    ASSERT_EQ(s.CurMatch.size(), 1);

    ASSERT_TRUE(test::runUntil([&] { return s.CurMatch.at(1).CPstate == 1; }, process));
    ASSERT_TRUE(test::runUntil(
        [&] {
            return std::any_of(s.CurMatchShow.begin(), s.CurMatchShow.end(),
                               [](const CurMatchRec& row) { return row.CLastFlg; });
        },
        process));
    EXPECT_EQ(s.CurMatch.at(1).nike, u"alice"_s);
    EXPECT_GE(form.moveWord1.pending(), 1);
    EXPECT_TRUE(form.ImgShowSort.visible());

    // A second login finds the file in step.
    const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-1);
    {
        QFile stamp(file);
        ASSERT_TRUE(stamp.open(QIODevice::ReadWrite));
        ASSERT_TRUE(stamp.setFileTime(old, QFileDevice::FileModificationTime));
    }
    form.AnNiu(8).raiseClick();
    client.forms.get<table::frmExit>().pbCloseMe.raiseClick();
    const auto logged = [&server](bool in, int command, int byte15) {
        const auto messages = server.log();
        return std::count_if(messages.begin(), messages.end(), [&](const test::LoggedMessage& m) {
            return m.in == in && m.command == command &&
                   (byte15 < 0 || (m.bytes.size() > 15 && m.bytes[15] == byte15));
        });
    };
    ASSERT_TRUE(test::runUntil([&] { return logged(true, 16, 0) == 1; }, process));
    platform.net.fakes.lobby.send(connection::LobbyMsgReconnect);
    ASSERT_TRUE(
        test::runUntil([&] { return logged(false, 80, -1) == 2 && s.g_bMatchOn; }, process));
    EXPECT_EQ(QFileInfo(file).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
    EXPECT_FALSE(process.ended());
}

} // namespace
} // namespace qv::match
