#include "hand/seating.h"
#include "hand_fixture.h"
#include "platform/fake/fake_plugin_host.h"
#include "settlement/hero_window.h"
#include "settlement/score_window.h"

#include <gtest/gtest.h>
#include <set>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

using testing_support::HandTable;
using testing_support::shows;

struct Seat {
    std::uint8_t mask = 1;
    std::uint8_t own = 1;
    QByteArray face = "m1";
    std::uint64_t coins = 1000;
    std::uint8_t sex = 1;
    std::uint8_t vip = 0;
    std::uint8_t ready = 0;
    std::int32_t wealth = 0;
    std::uint8_t plugin = 0;
    QByteArray account = "p";
};

connection::PlayerSeated seated(const Seat& s) {
    connection::GameMessage m;
    m.setCommand(20);
    m.setU8(6, s.own);
    m.writeBytes(16, "nick" + s.account);
    m.writeBytes(48, s.face);
    m.setU8(64, s.sex);
    for (int i = 0; i < 8; ++i) {
        m.setU8(96 + i, static_cast<std::uint8_t>(s.coins >> (8 * i)));
    }
    m.writeBytes(168, s.account);
    m.setU8(208, s.ready);
    m.setU8(209, s.vip);
    m.setU8(226, s.mask);
    m.setU32le(234, static_cast<std::uint32_t>(s.wealth));
    m.setU8(255, s.plugin);
    return connection::DecodePlayerSeated(m);
}

class SeatingTest : public testing::Test {
protected:
    explicit SeatingTest(QSize screen = {1024, 768}) : t(screen) {}
    void seat(const Seat& s) { OnPlayerSeated(t.ctx, seated(s)); }
    /// The player at seat mask 1 and three others.
    void fillTable(std::uint8_t sex = 1) {
        for (const std::uint8_t mask : {1, 2, 4, 8}) {
            seat({.mask = mask, .sex = sex, .account = QByteArray::number(mask)});
        }
    }
    HandTable t;
};

TEST_F(SeatingTest, TheFirstMessageTeachesTheOwnSeatAndLaterOnesDoNot) {
    seat({.mask = 2, .own = 2, .account = "me"});
    seat({.mask = 4, .own = 8, .account = "right"});
    const auto& custom = t.client.hand.custom;
    EXPECT_EQ(custom[0].seat, 2);
    EXPECT_EQ(custom[0].name, u"me"_s);
    EXPECT_EQ(custom[1].seat, 4);
    EXPECT_EQ(custom[1].name, u"right"_s);
    EXPECT_EQ(t.client.conn.Detail[1].username, u"nickright"_s);
    EXPECT_EQ(t.client.conn.SeatedCount, 2);
}

TEST_F(SeatingTest, AFirstMessageWithoutTheOwnSeatChangesNothing) {
    EXPECT_THROW(seat({.mask = 2, .own = 0}), connection::MessageError);
    EXPECT_EQ(t.client.conn.SeatMsgCount, 0);
    EXPECT_EQ(t.client.conn.SeatedCount, 0);
    EXPECT_TRUE(t.client.hand.custom[1].name.isEmpty());
}

TEST_F(SeatingTest, HeadPicturesFollowTheFaceCode) {
    struct Case {
        QByteArray face;
        std::uint64_t coins;
        int head;
    };
    const std::vector<Case> cases = {
        {"", 1000, 0},     {"w1", 1000, 10}, {"m10", 1000, 9}, {"w10", 1000, 19}, {"m11", 1000, 0},
        {"w11", 1000, 10}, {"W3", 1000, 2},  {"m", 30000, 1},  {"m0", 70000, 2},  {"mx", 1000, 0},
    };
    for (const auto& c : cases) {
        seat({.mask = 2, .face = c.face, .coins = c.coins});
        EXPECT_TRUE(shows(t.form.Tou(1), 240 + c.head)) << c.face.toStdString();
        EXPECT_EQ(t.client.conn.SheetSeats[1].PicIndex, QString::number(c.head));
    }
}

// Each seating names the player and shows his head picture in the score sheet and the history
// too, without showing either window; a re-seat names the newcomer.
TEST_F(SeatingTest, TheRecordWindowsNameEachSeatedPlayer) {
    fillTable();
    seat({.mask = 4, .face = "w3", .account = "new"});
    const auto& score = t.client.forms.get<settlement::Score>();
    const auto& hero = t.client.forms.get<settlement::Hero>();
    const QStringList names{u"nick1"_s, u"nick2"_s, u"nicknew"_s, u"nick8"_s};
    for (int i = 0; i < 4; ++i) {
        const auto seatName = names.at(i).toStdString();
        EXPECT_EQ(score.ID(i).caption(), names.at(i)) << seatName;
        EXPECT_EQ(hero.ID(i).caption(), names.at(i)) << seatName;
        const int head = i == 2 ? 242 + 10 : 240;
        EXPECT_TRUE(shows(score.Tou(i), head)) << seatName;
        EXPECT_TRUE(shows(hero.Tou(i), head)) << seatName;
    }
    EXPECT_FALSE(score.visible());
    EXPECT_FALSE(hero.visible());
}

TEST_F(SeatingTest, TheReadyMarkFollowsTheCoinTier) {
    const std::vector<std::pair<std::uint64_t, int>> cases = {
        {19999, 280}, {20000, 281}, {59999, 281}, {60000, 282}};
    for (const auto& [coins, picture] : cases) {
        seat({.mask = 4, .coins = coins, .ready = 1});
        EXPECT_TRUE(shows(t.form.OK(2), picture)) << coins;
        EXPECT_TRUE(t.form.OK(2).visible());
        EXPECT_EQ(t.form.Cash(2).caption(), QString::number(coins) + u"金币"_s);
    }
    seat({.mask = 4, .ready = 0});
    EXPECT_TRUE(t.form.OK(2).visible());
}

TEST_F(SeatingTest, TheFourthPlayerBeforeTheFirstHandPreparesTheTableAndAFifthDoesNot) {
    t.form.setWindowState(forms::window_state::kMinimized);
    fillTable();
    EXPECT_EQ(t.form.windowState(), forms::window_state::kNormal);
    EXPECT_TRUE(t.client.conn.g_bTableReset);
    EXPECT_EQ(t.form.Sysmsg(0).items(), QStringList{u"游戏将在15秒内开始"_s});
    EXPECT_EQ(t.client.hand.g_HandBaseTop, 545);
    EXPECT_TRUE(t.form.Bank.visible());

    t.form.Sysmsg(0).clear();
    t.form.setWindowState(forms::window_state::kMinimized);
    seat({.mask = 8, .account = "again"});
    EXPECT_EQ(t.form.windowState(), forms::window_state::kMinimized);
    EXPECT_TRUE(t.form.Sysmsg(0).items().isEmpty());
}

TEST_F(SeatingTest, ThreeReadyMarksPrepareTheTableWithoutTheNotice) {
    seat({.mask = 1});
    for (const std::uint8_t mask : {2, 4, 8}) {
        seat({.mask = mask, .ready = 1});
    }
    EXPECT_TRUE(t.client.conn.g_bTableReset);
    EXPECT_TRUE(t.form.Sysmsg(0).items().isEmpty());
}

TEST_F(SeatingTest, AtTheThirdMessageFourWomenGetFourDifferentVoices) {
    // The fourth seat is still empty: its record counts as a woman's.
    for (const std::uint8_t mask : {1, 2, 4}) {
        seat({.mask = mask, .sex = 0, .account = QByteArray::number(mask)});
    }
    std::set<QString> ids;
    for (const auto& d : t.client.conn.Detail) {
        EXPECT_EQ(d.voiceSet, u"27"_s);
        EXPECT_EQ(d.voiceKind, 2);
        ids.insert(d.voiceId);
    }
    EXPECT_EQ(ids, (std::set<QString>{u"10"_s, u"20"_s, u"30"_s, u"40"_s}));
    EXPECT_EQ(t.client.conn.SeatMsgCount, 4);
}

TEST_F(SeatingTest, AWealthMultipleShowsTheSmallestOfTheTable) {
    seat({.mask = 1, .wealth = 300});
    EXPECT_EQ(t.form.lbwealth.caption(), u"300"_s);
    EXPECT_EQ(t.form.lbwealth.left(), 51);
    seat({.mask = 2, .wealth = 2});
    EXPECT_EQ(t.form.lbwealth.caption(), u"2"_s);
    EXPECT_EQ(t.form.lbwealth.top(), 533);
    seat({.mask = 4, .wealth = 0});
    EXPECT_FALSE(t.form.lbwealth.visible());
    EXPECT_FALSE(t.form.Imgwealth.visible());
    EXPECT_EQ(t.client.table.SeatWealth[2], 0);
    seat({.mask = 8, .wealth = 50});
    EXPECT_EQ(t.form.lbwealth.caption(), u"2"_s);
    EXPECT_TRUE(t.form.lbwealth.visible());
}

class SmallSeatingTest : public SeatingTest {
protected:
    SmallSeatingTest() : SeatingTest({800, 600}) {}
};

TEST_F(SmallSeatingTest, TheWealthLabelMovesWithTheScale) {
    seat({.mask = 1, .wealth = 150});
    EXPECT_EQ(t.form.lbwealth.left(), 65 * 0.78125);
    EXPECT_EQ(t.form.lbwealth.top(), 528 * 0.78125);
    EXPECT_EQ(t.form.lbwealth.fontSize(), 13);
}

class SeatingPluginTest : public SeatingTest {
protected:
    SeatingPluginTest() {
        t.platform.plugins.outcome = platform::PluginLoad::Outcome::Created;
        t.client.conn.g_bLoggedIn = true;
        t.client.plugin.Prop_swicth = 1;
    }
    std::shared_ptr<platform::fake::RecordingPlugin> object = t.platform.plugins.object;
};

TEST_F(SeatingPluginTest, AnAllowingTableLoadsThePluginAndIntroducesThePlayers) {
    seat({.mask = 1, .account = "me"});
    seat({.mask = 2, .account = "left"});
    EXPECT_EQ(t.client.plugin.Prop_GameDllState, 1);
    EXPECT_EQ(object->callsOf("Initdll").size(), 1U);
    const auto intros = object->callsOf("SetUserinfo");
    ASSERT_EQ(intros.size(), 2U);
    EXPECT_EQ(intros[1].args[1], "left");
    EXPECT_EQ(intros[1].args[3], "1");
    EXPECT_EQ(object->callsOf("ClearUser").size(), 1U);
    EXPECT_TRUE(t.form.Tou(1).visible());
}

TEST_F(SeatingPluginTest, ATableThatForbidsThePluginSwitchesItOffForGoodWithoutClosingIt) {
    seat({.mask = 1});
    ASSERT_EQ(t.client.plugin.Prop_GameDllState, 1);
    seat({.mask = 2, .plugin = 1});
    EXPECT_EQ(t.client.plugin.Prop_GameDllState, -1);
    EXPECT_TRUE(object->callsOf("InitExit").empty());
    EXPECT_EQ(object->callsOf("SetUserinfo").size(), 2U) << "the object still hears of players";
    seat({.mask = 4});
    EXPECT_EQ(t.client.plugin.Prop_GameDllState, -1);
    EXPECT_EQ(object->callsOf("Initdll").size(), 1U);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(t.form.Tou(i).visible());
    }
}

TEST_F(SeatingPluginTest, ThePluginHearsEachPlayersFieldsAndARefusedStartIsRetried) {
    object->script.initdll = false;
    seat({.mask = 1, .account = "me"});
    EXPECT_EQ(t.client.plugin.Prop_GameDllState, 0);
    seat({.mask = 2, .account = "left"});
    EXPECT_EQ(object->callsOf("Initdll").size(), 2U) << "each allowed seating loads again";
    object->script.initdll = true;
    seat({.mask = 4, .face = "w3", .sex = 0, .account = "top"});
    ASSERT_EQ(t.client.plugin.Prop_GameDllState, 1);
    const auto intros = object->callsOf("SetUserinfo");
    ASSERT_EQ(intros.size(), 1U);
    EXPECT_EQ(intros[0].args,
              (std::vector<std::string>{"nicktop", "top", "4", "2", "0", "0", "", "w3"}));
}

TEST_F(SeatingPluginTest, APlayerThePluginRefusesSwitchesItOff) {
    object->script.userinfo = false;
    seat({.mask = 1});
    EXPECT_EQ(t.client.plugin.Prop_GameDllState, -1);
    EXPECT_EQ(object->callsOf("InitExit").size(), 1U);
}

TEST_F(SeatingPluginTest, WithoutCoinsThePluginHearsNothing) {
    seat({.mask = 1, .coins = 0});
    EXPECT_EQ(t.client.plugin.Prop_GameDllState, 1);
    EXPECT_TRUE(object->callsOf("SetUserinfo").empty());
}

} // namespace
} // namespace qv::hand
