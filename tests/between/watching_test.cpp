#include "app/client.h"
#include "connection/commands.h"
#include "support/network_table.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

int logged(const std::vector<test::LoggedMessage>& messages, bool in, int command) {
    return static_cast<int>(
        std::count_if(messages.begin(), messages.end(), [=](const test::LoggedMessage& m) {
            return m.in == in && m.command == command;
        }));
}

// On real sockets the client watches a table of four computer players: it is dealt the watched
// seat's cards and follows the plays, the watched seat's own made by its computer player, without
// moving itself; a player leaving then ends the watch with its notice.
TEST(WatchTableServerTest, TheWatcherFollowsTheHandAndAPlayerLeavingEndsTheWatch) {
    // Nothing but the think time paces a table without a player: it is kept longer than the
    // client takes to work off a message.
    test::TableServerRun server(
        {u"--seed"_s, u"3"_s, u"--delay"_s, u"100"_s, u"--watch"_s, u"--phrases"_s, u"off"_s});
    ASSERT_GT(server.port(), 0);
    test::ClientAtTable atTable(server.port(), {1024, 768}, test::ClientAtTable::Mode::Watching);
    Client& client = atTable.client;
    auto& fakes = atTable.platform.fakes;
    const auto& watched = client.hand.custom[0];
    ASSERT_TRUE(client.conn.commandLine.g_bSpectator);

    ASSERT_TRUE(
        test::runUntil([&] { return client.conn.g_bInGame && watched.sum == 27; }, fakes.process));
    EXPECT_EQ(client.conn.SeatedCount, 4);
    ASSERT_TRUE(test::runUntil([&] { return watched.sum < 27; }, fakes.process));
    const auto log = server.log();
    EXPECT_EQ(logged(log, true, connection::MsgPlayCards), 0);
    EXPECT_EQ(logged(log, true, connection::MsgCallCard), 0);
    EXPECT_TRUE(fakes.messageBox.shown_.empty());

    server.say("leave 2");
    try {
        test::runUntil([] { return false; }, fakes.process, 30000);
    } catch (const platform::fake::ProgramEnded&) {
        // The watch ends the program at once, from within the message's branch.
    }
    ASSERT_TRUE(fakes.process.ended());
    ASSERT_EQ(fakes.messageBox.shown_.size(), 1U);
    EXPECT_EQ(fakes.messageBox.shown_[0].text, u"有用户退出，旁观结束！"_s);
}

} // namespace
} // namespace qv::between
