#include "plugin/mod_prop.h"
#include "plugin_fixture.h"
#include "table/chat_windows.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::plugin {
namespace {

using platform::fake::PluginFrame;
using platform::fake::ScriptedAction;
using testing_support::PluginTable;

/// What the table's handlers got from the plug-in's clicks, keys and hovers.
struct Handlers {
    explicit Handlers(table::MainForm& form) {
        form.Tou.events.click = [this](int seat) {
            clicks.push_back(seat);
        };
        form.Tou.events.mouseMove = [this](int seat, int, int, double, double) {
            hovers.push_back(seat);
        };
        form.Pic1.events.keyDown = [this](int& key, int) {
            keys.push_back(key);
        };
    }
    std::vector<int> clicks;
    std::vector<int> hovers;
    std::vector<int> keys;
};

ScriptedAction act(std::int16_t type, const std::string& text) {
    return {.type = type, .text = text};
}

QStringList logLines(PluginTable& t) {
    return t.client.forms.get<table::Talk>().Text1.items();
}

TEST(PluginActions, OneTickCarriesOutEveryQueuedActionInOrder) {
    PluginTable t;
    t.load();
    const std::string sixty(60, 'x');
    t.plugin().script.actions = {
        act(0, "first"),
        act(0, "second"),
        act(0, sixty),
        act(3, "2"),
        act(3, "0"),
        act(3, "2.5"),
        act(3, "3.5"),
        act(3, "70000"),
        act(4, "112"),
        act(5, "0"),
        act(9, "1"),
        {.type = 2, .frame = PluginFrame(45)},
        {.type = 2, .frame = std::vector<std::uint8_t>(271)},
    };
    Handlers handlers(t.form);
    t.tick();
    const QStringList log = logLines(t);
    ASSERT_GE(log.size(), 3);
    EXPECT_EQ(log[0], u"first"_s);
    EXPECT_EQ(log[1], u"second"_s);
    EXPECT_EQ(log.mid(2).join(QString()).remove(u' ').size(), 60) << "the log has it whole";
    EXPECT_EQ(t.form.Sysmsg(1).list(0), QString(45, u'x')) << "the ticker has its start";
    EXPECT_EQ(t.form.Sysmsg(0).list(0), u"second"_s);
    EXPECT_EQ(handlers.clicks, (std::vector<int>{2, 2})) << "2 and 2.5 click seat 2";
    EXPECT_EQ(handlers.keys, std::vector<int>{112});
    EXPECT_EQ(handlers.hovers, std::vector<int>{0});
    EXPECT_EQ(t.client.conn.SendRing.waiting(), 272) << "only the whole message is sent";
    EXPECT_TRUE(t.plugin().script.actions.empty());
}

TEST(PluginActions, ATipStaysForItsTicksOrUntilReplaced) {
    struct Case {
        std::vector<std::int32_t> attr;
        bool shownAfter5s;
    };
    for (const Case& c : {Case{{1000, 5, 12, 255, 2}, false}, Case{{1000, 0, 12, 255, 2}, true},
                          Case{{1000, 5, 12}, false}}) {
        PluginTable t;
        t.load();
        t.plugin().script.actions = {
            {.type = 1, .text = "提示", .rect = {200, 40, 100, 50}, .attr = c.attr}};
        t.tick();
        const bool shown = c.attr.size() >= 5;
        ASSERT_EQ(t.form.LbProp.visible(), shown);
        if (!shown) {
            continue;
        }
        EXPECT_EQ(t.form.LbProp.caption(), u"提示"_s);
        EXPECT_EQ(t.form.LbProp.left(), 100);
        EXPECT_EQ(t.form.LbProp.width(), 200);
        EXPECT_EQ(t.form.LbProp.foreColor(), 255U);
        t.platform.time.advance(4900);
        EXPECT_TRUE(t.form.LbProp.visible());
        t.platform.time.advance(200);
        EXPECT_EQ(t.form.LbProp.visible(), c.shownAfter5s);
    }
}

TEST(PluginActions, APlugInClosedInTheMiddleOfABatchGetsNoFurtherCall) {
    PluginTable t;
    t.load();
    t.plugin().script.actions = {act(0, "one"), act(0, "two"), act(0, "three")};
    t.plugin().onCall = [&t](const platform::fake::RecordingPlugin::Call& call) {
        if (call.method == "GetSendBuff") {
            t.client.modProp.ExitPropPlugin(0);
        }
    };
    t.tick();
    EXPECT_EQ(t.count("GetSendBuff"), 1U);
    EXPECT_EQ(t.client.plugin.Prop_GameDllState, 0);
    EXPECT_EQ(logLines(t), QStringList{u"one"_s});
}

TEST(PluginHeldSheet, EveryRoadShowsTheSheetExactlyOnce) {
    struct Case {
        const char* what;
        std::string script;
        bool announced;
        int ticksToSheet;
    };
    const std::vector<Case> cases{
        {"no command 46: the next tick", "", false, 1},
        {"GetScoreInfo 0, 0, 1", "score 0 0 1", true, 3},
        {"no answer: ten seconds", "score 0", true, 200},
    };
    for (const Case& c : cases) {
        PluginTable t(c.script);
        t.load();
        t.secondResult();
        if (c.announced) {
            t.resultAnnounced();
        }
        t.tick(c.ticksToSheet - 1);
        EXPECT_EQ(t.sheets, 0) << c.what;
        t.tick();
        EXPECT_EQ(t.sheets, 1) << c.what;
        EXPECT_EQ(t.plugin().callsOf("InitShowNext").back().args[0], "0") << c.what;
        t.tick(250);
        EXPECT_EQ(t.sheets, 1) << c.what;
    }
}

TEST(PluginHeldSheet, AResultArrayThePlugInLeavesUnfilledIsEmpty) {
    PluginTable t("score 0 1\nseat 1 20 名字 金币20");
    t.load();
    t.client.plugin.Prop_ScoreItems[1] = u"上一局"_s;
    t.secondResult();
    t.resultAnnounced();
    EXPECT_TRUE(t.client.plugin.Prop_ScoreItems[1].isEmpty());
    t.tick();
    EXPECT_TRUE(t.client.plugin.Prop_ScoreItems[1].isEmpty()) << "an answer of 0 fills nothing";
    t.tick();
    EXPECT_EQ(t.client.plugin.Prop_ScoreItems[1], u"金币20"_s);
    EXPECT_EQ(t.client.plugin.Prop_ScoreGold[1], 20);
}

TEST(PluginHeldSheet, APlugInClosedOrForbiddenWhileTheSheetWaitsStillBringsIt) {
    for (const bool forbidden : {false, true}) {
        PluginTable t("score 0");
        t.load();
        t.secondResult();
        t.resultAnnounced();
        t.tick();
        if (forbidden) {
            t.client.plugin.Prop_GameDllState = -1;
        } else {
            t.client.modProp.ExitPropPlugin(0);
        }
        t.tick();
        EXPECT_EQ(t.sheets, 1) << forbidden;
        EXPECT_FALSE(t.client.plugin.Prop_ShowNext) << forbidden;
    }
}

TEST(PluginHeldSheet, ALate46HoldsTheNextHandsSheet) {
    PluginTable t("score 0 1");
    t.load();
    t.secondResult();
    t.tick();
    ASSERT_EQ(t.sheets, 1);
    t.resultAnnounced();
    t.client.modProp.ClearProps();
    t.secondResult();
    t.tick();
    EXPECT_EQ(t.sheets, 1) << "the next hand's sheet waits for GetScoreInfo";
    t.tick();
    EXPECT_EQ(t.sheets, 2);
}

TEST(PluginBadges, ALevel3BadgeTurnsEveryTenTicksAndLevel7Hides) {
    PluginTable t;
    t.client.conn.Detail[1].vip = 3;
    t.client.conn.Detail[2].vip = 7;
    for (const int seat : {1, 2}) {
        t.form.img_vip(seat).setVisible(true);
        t.client.plugin.VipAnimFrame.at(static_cast<std::size_t>(seat)) = 1;
    }
    t.client.plugin.g_bVipAnim = true;
    std::vector<QImage> frames;
    for (int i = 0; i < 3; ++i) {
        t.tick(9);
        const QImage before = t.form.img_vip(1).picture();
        t.tick();
        EXPECT_NE(t.form.img_vip(1).picture(), before);
        frames.push_back(t.form.img_vip(1).picture());
    }
    EXPECT_EQ(t.client.plugin.VipAnimFrame[1], 3);
    EXPECT_EQ(frames[0], frames[2]);
    EXPECT_NE(frames[0], frames[1]);
    EXPECT_FALSE(t.form.img_vip(2).visible());
}

TEST(PluginCalls, ChatWithAPlugInSubCodeGoesToThePlugInOnlyWhileItIsLoaded) {
    PluginTable t;
    const auto chat = [&t](std::uint32_t subCode) {
        connection::GameMessage m;
        m.setCommand(19);
        for (int i = 0; i < 4; ++i) {
            m.setU8(236 + i, static_cast<std::uint8_t>(subCode >> (24 - 8 * i)));
        }
        connection::DispatchFrame(t.client.conn, m);
    };
    chat(272);
    t.load();
    for (const std::uint32_t subCode : {260U, 272U, 1U}) {
        chat(subCode);
    }
    EXPECT_EQ(t.count("Rec_MSG"), 2U);
}

TEST(PluginCalls, ARestoredTableWindowHasThePlugInFixItsPictures) {
    PluginTable t;
    t.form.events.resize();
    t.load();
    t.form.events.resize();
    EXPECT_EQ(t.count("FixBuffPos"), 1U);
}

TEST(PluginWidth, TextWidthCountsDoubleByteCharactersTwice) {
    EXPECT_EQ(TextWidthUnits(QString()), 0);
    EXPECT_EQ(TextWidthUnits(u"ab"_s), 2);
    EXPECT_EQ(TextWidthUnits(u"金币a"_s), 5);
}

} // namespace
} // namespace qv::plugin
