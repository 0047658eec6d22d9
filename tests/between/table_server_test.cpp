#include "app/client.h"
#include "connection/commands.h"
#include "support/network_table.h"
#include "table/exit_windows.h"
#include "table/main_form.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

/// Whether the server logged the leave message (command 16 with byte 15 = 0) from the client.
bool serverGotLeave(const std::vector<test::LoggedMessage>& messages) {
    return std::any_of(messages.begin(), messages.end(), [](const test::LoggedMessage& m) {
        return m.in && m.command == 16 && m.bytes.size() > 15 && m.bytes[15] == 0;
    });
}

// On real sockets the player leaves through the exit dialog: the server gets the leave message,
// the lobby is restored, and the lobby's connect request brings the client back to a seat.
TEST(LeaveTableServerTest, ThePlayerLeavesAndTheLobbyBringsHimBack) {
    test::TableServerRun server({u"--seed"_s, u"3"_s, u"--delay"_s, u"0"_s});
    ASSERT_GT(server.port(), 0);

    test::ClientAtTable atTable(server.port());
    auto& platform = atTable.platform;
    Client& client = atTable.client;
    table::MainForm& form = atTable.form;
    const auto seated = [&client] {
        return client.conn.SeatedCount == 4 && !client.hand.custom[0].name.isEmpty();
    };
    ASSERT_TRUE(test::runUntil(seated, platform.fakes.process));

    platform.fakes.lobby.clearEvents();
    form.AnNiu(8).raiseClick();
    client.forms.get<table::frmExit>().pbCloseMe.raiseClick();
    ASSERT_TRUE(
        test::runUntil([&server] { return serverGotLeave(server.log()); }, platform.fakes.process));
    EXPECT_EQ(client.conn.SeatedCount, 0);
    EXPECT_EQ(form.windowState(), forms::window_state::kMinimized);
    ASSERT_FALSE(platform.fakes.lobby.events().empty());
    EXPECT_EQ(platform.fakes.lobby.events().back().kind,
              platform::fake::FakeLobbyLink::Kind::Restore);
    EXPECT_FALSE(platform.fakes.process.ended());

    platform.fakes.lobby.send(connection::LobbyMsgReconnect);
    EXPECT_TRUE(test::runUntil(seated, platform.fakes.process));
    EXPECT_FALSE(platform.fakes.process.ended());
}

// On real sockets a computer player leaves during the hand (the server's "leave" trigger): the
// client gives the hand up, empties his seat, shows the newcomer and restarts the ready
// countdown; the next hand is dealt.
TEST(LeaveTableServerTest, AComputerPlayerLeavingDuringTheHandGivesItUp) {
    test::TableServerRun server({u"--seed"_s, u"3"_s, u"--delay"_s, u"0"_s, u"--deal-after"_s,
                                 u"100"_s, u"--phrases"_s, u"off"_s});
    ASSERT_GT(server.port(), 0);
    test::ClientAtTable atTable(server.port());
    Client& client = atTable.client;
    const auto& process = atTable.platform.fakes.process;
    const auto deals = [&server] {
        const auto messages = server.log();
        return std::count_if(messages.begin(), messages.end(), [](const test::LoggedMessage& m) {
            return !m.in && m.command == connection::MsgRoundStart;
        });
    };
    ASSERT_TRUE(test::runUntil([&] { return client.conn.g_bInGame && deals() == 1; }, process));
    const QString leaver = client.hand.custom[2].name;

    server.say("leave 2");
    ASSERT_TRUE(test::runUntil(
        [&] {
            return !client.conn.g_bInGame && client.conn.slots.BongFlag[connection::kReadySlot] &&
                   !client.hand.custom[2].name.isEmpty() && client.hand.custom[2].name != leaver;
        },
        process));
    EXPECT_TRUE(test::runUntil([&] { return deals() == 2 && client.conn.g_bInGame; }, process));
}

} // namespace
} // namespace qv::between
