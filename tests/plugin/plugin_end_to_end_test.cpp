#include "app/client.h"
#include "forms/input_router.h"
#include "forms/qt/render_to_image.h"
#include "plugin/mod_prop.h"
#include "settlement/score_window.h"
#include "support/mouse_turn.h"
#include "support/network_table.h"
#include "table/main_form.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::plugin {
namespace {

int countMessages(const std::vector<test::LoggedMessage>& log, bool in, int command) {
    return static_cast<int>(std::count_if(
        log.begin(), log.end(), [=](const auto& m) { return m.in == in && m.command == command; }));
}

/// Puts the plug-in built in tools/brivet into the client's program folder with `script`.
void install(const QString& appFolder, const QByteArray& script) {
    const QString tools = appFolder + u"/plugin/tools"_s;
    QDir().mkpath(tools);
    ASSERT_TRUE(QFile::copy(QStringLiteral(QV_BRIVET), PluginLibraryPath(appFolder)));
    QFile file(tools + u"/brivet.script"_s);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(script);
}

/// Saves the table as a PNG where QV_SHOT_DIR names a folder.
void shoot(table::MainForm& form, const QString& name) {
    const QString folder = qEnvironmentVariable("QV_SHOT_DIR");
    if (!folder.isEmpty()) {
        forms::qt::saveFormPng(form, QDir(folder).filePath(name));
    }
}

/// The server's arguments for quick hands at a table that offers the plug-in and tells it of each
/// hand's result.
const QStringList kQuickTable{u"--seed"_s,         u"11"_s,  u"--delay"_s,  u"0"_s,
                              u"--turn-seconds"_s, u"2"_s,   u"--hands"_s,  u"2"_s,
                              u"--phrases"_s,      u"off"_s, u"--plugin"_s, u"--plugin-result"_s};

// On real sockets, with the real loader and the plug-in built in tools/brivet: the plug-in's
// message reaches the table, the table's command 46 reaches the plug-in, the chests are shown and
// opened, the sheet follows once and the next hand is dealt.
TEST(PluginEndToEnd, TheChestsComeBetweenTheHandAndItsSheet) {
    test::TableServerRun server(kQuickTable);
    ASSERT_GT(server.port(), 0);
    test::ClientAtTable atTable(server.port(), {1024, 768},
                                test::ClientAtTable::Mode::PlayingWithPlugin);
    Client& client = atTable.client;
    install(atTable.platform.fakes.appFolder.path(),
            "chests 1\nseat 0 1500 我 金币1500|经验20\naction frame 45\nanim 50 6\n");
    forms::InputRouter mouse(atTable.form);
    auto& process = atTable.platform.fakes.process;
    ASSERT_TRUE(test::runUntil([&] { return client.conn.SeatedCount == 4; }, process));
    EXPECT_EQ(client.plugin.Prop_GameDllState, 2);
    atTable.form.AnNiu(2).raiseClick();
    ASSERT_TRUE(test::runUntil(
        [&] {
            test::playTurnByMouse(client, mouse);
            return client.plugin.Prop_BaoTimer;
        },
        process, 120000));
    EXPECT_EQ(client.match.juNum, 0) << "the sheet waits for the chests";
    EXPECT_TRUE(atTable.form.ImgProp(2).visible());
    shoot(atTable.form, u"chests-offered.png"_s);
    atTable.form.ImgProp.events.click(2);
    ASSERT_TRUE(test::runUntil([&] { return client.match.juNum == 1; }, process, 20000));
    shoot(atTable.form, u"chests-opened.png"_s);
    EXPECT_TRUE(atTable.form.ImgProp(2).visible()) << "the open chest stays at the seat";
    // The player takes the next hand with the continue button rather than waiting out the ready
    // countdown.
    ASSERT_TRUE(test::runUntil([&] { return !client.table.AnNiuLocked[2]; }, process, 20000));
    atTable.form.AnNiu(2).raiseClick();
    ASSERT_TRUE(
        test::runUntil([&] { return countMessages(server.log(), false, 1) == 2; }, process, 30000));
    EXPECT_EQ(client.match.juNum, 1) << "one sheet for the hand";
    const auto log = server.log();
    EXPECT_GE(countMessages(log, true, 45), 1) << "the plug-in's message reached the table";
    EXPECT_GE(countMessages(log, false, 46), 1);
    QFile calls(atTable.platform.fakes.appFolder.path() + u"/plugin/tools/brivet.log"_s);
    ASSERT_TRUE(calls.open(QIODevice::ReadOnly));
    const QStringList heard = QString::fromUtf8(calls.readAll()).split(u'\n');
    EXPECT_TRUE(heard.contains(u"Rec_MSG 46"_s));
    EXPECT_EQ(heard.count(u"ShowGif 1 1"_s), 1) << "one chest show";
    EXPECT_TRUE(heard.contains(u"InitShowNext 0"_s)) << "told of the sheet";
}

TEST(PluginEndToEnd, WithoutTheLibraryTheHandSettlesAtOnce) {
    test::TableServerRun server(kQuickTable);
    ASSERT_GT(server.port(), 0);
    test::ClientAtTable atTable(server.port(), {1024, 768},
                                test::ClientAtTable::Mode::PlayingWithPlugin);
    Client& client = atTable.client;
    forms::InputRouter mouse(atTable.form);
    auto& process = atTable.platform.fakes.process;
    ASSERT_TRUE(test::runUntil([&] { return client.conn.SeatedCount == 4; }, process));
    EXPECT_EQ(client.plugin.Prop_GameDllState, -1);
    atTable.form.AnNiu(2).raiseClick();
    ASSERT_TRUE(test::runUntil(
        [&] {
            test::playTurnByMouse(client, mouse);
            return client.match.juNum == 1;
        },
        process, 120000));
    EXPECT_FALSE(client.plugin.Prop_ShowNext);
    EXPECT_FALSE(atTable.form.ImgProp(0).visible());
}

} // namespace
} // namespace qv::plugin
