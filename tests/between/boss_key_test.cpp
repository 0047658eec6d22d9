#include "between_fixture.h"
#include "chat/emoticon_picker.h"
#include "forms/form_host.h"
#include "hand/chu_pai.h"
#include "hand/countdowns.h"
#include "platform/fake/fake_plugin_host.h"
#include "table/chat_windows.h"
#include "table/exit_windows.h"
#include "table/seat_popup.h"
#include "table/vos_set.h"

#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

using testing_support::BetweenTable;
using testing_support::shown;

constexpr int kF1 = 112;

/// Every window the boss key closes, shown over the table.
void openEveryWindow(BetweenTable& t) {
    forms::FormHost& host = t.client.forms;
    host.get<table::Information>().show();
    host.get<table::Talk>().show();
    host.get<table::huifu>().show();
    host.get<table::VosSet>().show();
    host.get<table::frmExit>().show();
    host.get<table::rule>().show();
    host.get<chat::frmBiaoqing>().show();
    host.get<settlement::Hero>().show();
    host.get<settlement::Score>().show();
    host.get<table::frmOtherExit>().show();
    host.get<hand::ChuPai>().show();
}

std::vector<const char*> windowsLeftOpen(const BetweenTable& t) {
    std::vector<const char*> open;
    const auto check = [&open](bool visible, const char* name) {
        if (visible) {
            open.push_back(name);
        }
    };
    check(shown<table::Information>(t), "Information");
    check(shown<table::Talk>(t), "Talk");
    check(shown<table::huifu>(t), "huifu");
    check(shown<table::VosSet>(t), "VosSet");
    check(shown<table::frmExit>(t), "frmExit");
    check(shown<table::rule>(t), "rule");
    check(shown<chat::frmBiaoqing>(t), "frmBiaoqing");
    check(shown<settlement::Hero>(t), "Hero");
    check(shown<settlement::Score>(t), "Score");
    check(shown<table::frmOtherExit>(t), "frmOtherExit");
    check(shown<hand::ChuPai>(t), "ChuPai");
    return open;
}

/// The player's own turn runs out `times` times in a row.
void timeOut(BetweenTable& t, int times) {
    connection::Connection& conn = t.client.conn;
    conn.g_bLoggedIn = true;
    for (int k = 0; k < times; ++k) {
        conn.slots.arm(connection::kTurnSlot);
        conn.g_bOwnCountdown = true;
        conn.CountDown = 0;
        t.platform.time.advance(1000);
        hand::TurnCountdown(t.ctx.hand);
    }
}

struct Caller {
    const char* name;
    std::function<void(BetweenTable&)> press;
    bool autoPlay;
    int countDownStart;
    int pluginCalls;
};

class BossKeyTest : public testing::TestWithParam<Caller> {};

// Wherever F1 goes down, every window over the table goes and the table and the lobby are
// minimised; only the play flags differ by the place.
TEST_P(BossKeyTest, EveryWindowGoesAndTheTableIsMinimised) {
    const Caller& c = GetParam();
    BetweenTable t;
    auto plugin = std::make_shared<platform::fake::RecordingPlugin>();
    t.client.plugin.Prop_GameDll = plugin;
    t.client.plugin.Prop_GameDllState = 1;
    t.client.conn.CountDownStart = 20;
    t.client.conn.AutoPlayAfter = 3;
    openEveryWindow(t);
    ASSERT_EQ(windowsLeftOpen(t).size(), 11U);
    c.press(t);
    EXPECT_EQ(windowsLeftOpen(t), std::vector<const char*>{});
    EXPECT_EQ(t.form.windowState(), forms::window_state::kMinimized);
    EXPECT_EQ(t.platform.lobby.events().back().kind, platform::fake::FakeLobbyLink::Kind::Minimize);
    EXPECT_TRUE(t.client.table.g_bBossKey);
    EXPECT_EQ(t.client.table.g_bAutoPlay, c.autoPlay);
    EXPECT_EQ(t.client.table.g_bHiddenPlay, c.autoPlay);
    EXPECT_EQ(t.client.conn.CountDownStart, c.countDownStart);
    EXPECT_EQ(plugin->callsOf("SetKeyDown").size(), static_cast<std::size_t>(c.pluginCalls));
}

INSTANTIATE_TEST_SUITE_P(
    Callers, BossKeyTest,
    testing::Values(
        Caller{"table_surface",
               [](BetweenTable& table) {
                   int key = kF1;
                   table.form.Pic1.events.keyDown(key, 0);
               },
               true, 0, 1},
        Caller{"hide_button", [](BetweenTable& table) { table.form.AnNiu(4).raiseClick(); }, false,
               0, 1},
        Caller{"chat_box",
               [](BetweenTable& table) {
                   int key = kF1;
                   table.form.Chat.events.keyDown(key, 0);
               },
               true, 1, 1},
        // The turn countdown restarts from `CountDownStart` after each time-out, the third of
        // which presses F1 before the countdown sets it again.
        Caller{"three_time_outs", [](BetweenTable& table) { timeOut(table, 3); }, true, 0, 1}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace qv::between
