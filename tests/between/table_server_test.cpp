#include "app/client.h"
#include "app/start_on_table.h"
#include "connection/commands.h"
#include "support/network_table.h"
#include "table/exit_windows.h"
#include "table/main_form.h"

#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

/// Whether the server logged the leave message (command 16 with byte 15 = 0) from the client.
bool serverGotLeave(const QString& log) {
    const auto messages = test::readTableLog(log);
    return std::any_of(messages.begin(), messages.end(), [](const test::LoggedMessage& m) {
        return m.in && m.command == 16 && m.bytes.size() > 15 && m.bytes[15] == 0;
    });
}

// On real sockets the player leaves through the exit dialog: the server gets the leave message,
// the lobby is restored, and the lobby's connect request brings the client back to a seat.
TEST(LeaveTableServerTest, ThePlayerLeavesAndTheLobbyBringsHimBack) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess server;
    const int port = test::startTableServer(
        server, folder.path(),
        {u"--seed"_s, u"3"_s, u"--delay"_s, u"0"_s, u"--log"_s, folder.path() + u"/table.log"_s});
    ASSERT_GT(port, 0);

    test::NetworkPlatform platform;
    platform.fakes.lobby.open(connection::kDefaultLobbyTitle);
    Client client(platform.services);
    table::MainForm& form = client.forms.get<table::MainForm>();
    app::StartOnTable(client, form, test::tableCommandLine(port));
    const auto seated = [&client] {
        return client.conn.SeatedCount == 4 && !client.hand.custom[0].name.isEmpty();
    };
    ASSERT_TRUE(test::runUntil(seated, platform.fakes.process));

    platform.fakes.lobby.clearEvents();
    form.AnNiu(8).raiseClick();
    client.forms.get<table::frmExit>().pbCloseMe.raiseClick();
    const QString log = folder.path() + u"/table.log"_s;
    ASSERT_TRUE(test::runUntil([&log] { return serverGotLeave(log); }, platform.fakes.process));
    EXPECT_EQ(client.conn.SeatedCount, 0);
    EXPECT_EQ(form.windowState(), forms::window_state::kMinimized);
    ASSERT_FALSE(platform.fakes.lobby.events().empty());
    EXPECT_EQ(platform.fakes.lobby.events().back().kind,
              platform::fake::FakeLobbyLink::Kind::Restore);
    EXPECT_FALSE(platform.fakes.process.ended());

    platform.fakes.lobby.send(connection::LobbyMsgReconnect);
    EXPECT_TRUE(test::runUntil(seated, platform.fakes.process));
    EXPECT_FALSE(platform.fakes.process.ended());
    server.kill();
    server.waitForFinished();
}

// On real sockets a computer player leaves during the hand (the server's "leave" trigger): the
// client gives the hand up, empties his seat, shows the newcomer and restarts the ready
// countdown; the next hand is dealt.
TEST(LeaveTableServerTest, AComputerPlayerLeavingDuringTheHandGivesItUp) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString log = folder.path() + u"/table.log"_s;
    QProcess server;
    const int port =
        test::startTableServer(server, folder.path(),
                               {u"--seed"_s, u"3"_s, u"--delay"_s, u"0"_s, u"--deal-after"_s,
                                u"100"_s, u"--phrases"_s, u"off"_s, u"--log"_s, log});
    ASSERT_GT(port, 0);

    test::NetworkPlatform platform;
    platform.fakes.lobby.open(connection::kDefaultLobbyTitle);
    Client client(platform.services);
    app::StartOnTable(client, client.forms.get<table::MainForm>(), test::tableCommandLine(port));
    const auto deals = [&log] {
        const auto messages = test::readTableLog(log);
        return std::count_if(messages.begin(), messages.end(), [](const test::LoggedMessage& m) {
            return !m.in && m.command == connection::MsgRoundStart;
        });
    };
    ASSERT_TRUE(test::runUntil([&] { return client.conn.g_bInGame && deals() == 1; },
                               platform.fakes.process));
    const QString leaver = client.hand.custom[2].name;

    server.write("leave 2\n");
    ASSERT_TRUE(test::runUntil(
        [&] {
            return !client.conn.g_bInGame && client.conn.slots.BongFlag[connection::kReadySlot] &&
                   !client.hand.custom[2].name.isEmpty() && client.hand.custom[2].name != leaver;
        },
        platform.fakes.process));
    EXPECT_TRUE(test::runUntil([&] { return deals() == 2 && client.conn.g_bInGame; },
                               platform.fakes.process));
    server.kill();
    server.waitForFinished();
}

} // namespace
} // namespace qv::between
