#include "app/main_form_view.h"
#include "between_fixture.h"
#include "common/gbk.h"
#include "hand/countdowns.h"
#include "platform/fake/fake_process.h"
#include "table/chat_windows.h"
#include "table/exit_windows.h"
#include "table/table_animations.h"
#include "table/vos_set.h"

#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

using testing_support::BetweenTable;
using testing_support::shown;

int key(BetweenTable& t, int code) {
    t.form.Pic1.events.keyDown(code, 0);
    return code;
}

struct ChatCase {
    const char* name;
    const char16_t* prefix;
    int targetSeat;
    const char16_t* typed;
    int byte11;
    const char16_t* sent;
};

class SendButtonTest : public testing::TestWithParam<ChatCase> {};

// The private prefix is cut where it was found, so text before it survives.
TEST_P(SendButtonTest, TheChatBoxGoesOutAsTheMessageSays) {
    const ChatCase& c = GetParam();
    BetweenTable t;
    t.client.conn.g_bLoggedIn = true;
    t.client.chat.ChatTargetPrefix = QString::fromUtf16(c.prefix);
    t.client.chat.ChatTargetSeat = c.targetSeat;
    t.form.Chat.setText(QString::fromUtf16(c.typed));
    t.form.AnNiu(0).raiseClick();
    ASSERT_TRUE(t.client.conn.SendRing.hasMessage());
    const auto m = t.client.conn.SendRing.takeMessage();
    EXPECT_EQ(m.command(), connection::MsgChat);
    EXPECT_EQ(m.u8(6), 1);
    EXPECT_EQ(m.u8(11), c.byte11);
    EXPECT_EQ(fromGbkLenient(m.textField(16, 200)), QString::fromUtf16(c.sent));
    EXPECT_TRUE(t.form.Chat.text().isEmpty());
    EXPECT_TRUE(t.client.chat.ChatTargetPrefix.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SendButtonTest,
    testing::Values(ChatCase{"public", u"", 0, u"hi", 0, u"nick1说道： hi"},
                    ChatCase{"private", u"你对nick2说 ：", 2, u"你对nick2说 ：hi", 2, u"hi"},
                    ChatCase{"private_to_all", u"你对nick2说 ：", 0, u"你对nick2说 ：hi", 0,
                             u"nick1对nick2说 ：hi"},
                    ChatCase{"prefix_later", u"你对nick2说 ：", 2, u"ab你对nick2说 ：hi", 2,
                             u"abhi"},
                    ChatCase{"prefix_gone", u"你对nick2说 ：", 2, u"hi", 0, u"nick1说道： hi"}),
    [](const auto& param) { return std::string(param.param.name); });

// Unlike Enter, the send button neither waits out the flood pause nor refuses a watcher; it
// sends nothing before the login.
TEST(SendButtonTest, SendsForAWatcherAndDuringTheFloodPauseButNotBeforeTheLogin) {
    BetweenTable t;
    t.form.Chat.setText(u"early"_s);
    t.form.AnNiu(0).raiseClick();
    EXPECT_FALSE(t.client.conn.SendRing.hasMessage());
    t.client.conn.g_bLoggedIn = true;
    t.client.conn.commandLine.g_bSpectator = true;
    for (const QString& text : {u"one"_s, u"two"_s}) {
        t.form.Chat.setText(text);
        t.form.AnNiu(0).raiseClick();
        ASSERT_TRUE(t.client.conn.SendRing.hasMessage());
        t.client.conn.SendRing.takeMessage();
    }
}

// Two presses give one ready message, no sooner than 2000 ms after the first.
TEST(StartButtonTest, OneReadyMessageTwoSecondsAfterTheFirstPress) {
    BetweenTable t;
    auto& conn = t.client.conn;
    const auto pumpAfter = [&](int ms) {
        t.platform.time.advance(ms);
        conn.pumpSteps.run(connection::PumpStep::Panels);
    };
    t.client.table.AnNiuLocked[2] = false;
    t.form.AnNiu(2).raiseClick();
    EXPECT_TRUE(t.form.OK(0).visible());
    EXPECT_TRUE(t.client.table.AnNiuLocked[2]);
    EXPECT_FALSE(t.client.table.g_bFirstStart);
    pumpAfter(1000);
    t.form.AnNiu(2).raiseClick();
    pumpAfter(999);
    EXPECT_FALSE(conn.SendRing.hasMessage());
    pumpAfter(1);
    ASSERT_TRUE(conn.SendRing.hasMessage());
    const auto ready = conn.SendRing.takeMessage();
    EXPECT_EQ(ready.command(), connection::MsgTableState);
    EXPECT_EQ(ready.u8(15), 1);
    pumpAfter(5000);
    EXPECT_FALSE(conn.SendRing.hasMessage());
}

TEST(StartButtonTest, AnArmedRandomSeatChangeShowsOnStart) {
    BetweenTable t;
    t.client.table.AnNiuLocked[2] = false;
    t.client.conn.g_bSeatChangeArmed = true;
    t.client.conn.g_bRandomSeats = false;
    t.form.AnNiu(2).raiseClick();
    EXPECT_FALSE(t.form.LblShuffle.visible());
    EXPECT_TRUE(t.client.conn.g_bSeatChangeArmed);

    BetweenTable u;
    u.client.table.AnNiuLocked[2] = false;
    u.client.conn.g_bSeatChangeArmed = true;
    u.client.conn.g_bRandomSeats = true;
    u.form.AnNiu(2).raiseClick();
    EXPECT_TRUE(u.form.LblShuffle.visible());
    EXPECT_FALSE(u.client.conn.g_bSeatChangeArmed);
    EXPECT_TRUE(u.client.conn.g_bSeatChangeShown);
}

struct SeatChangeStart {
    const char* name;
    std::function<void(BetweenTable&)> start;
    bool staysArmed;
};

class SeatChangeTest : public testing::TestWithParam<SeatChangeStart> {};

// Wherever the seat change starts, the display is the same: the first caption, the caption
// cycle from its start, the seat-change page opened in front.
TEST_P(SeatChangeTest, EveryStartShowsTheSameDisplay) {
    BetweenTable t;
    auto& conn = t.client.conn;
    conn.g_bLoggedIn = true;
    conn.g_bSeatChangeArmed = true;
    conn.g_bRandomSeats = true;
    conn.g_bTimeLimit = true;
    conn.ShufflePageUrl = u"http://127.0.0.1:9/banner.gamead"_s;
    t.client.table.ShuffleStep = 3;
    t.client.table.AnNiuLocked[2] = false;
    GetParam().start(t);
    EXPECT_TRUE(t.form.LblShuffle.visible());
    EXPECT_TRUE(t.form.ImgShuffle.visible());
    EXPECT_EQ(t.form.LblShuffle.caption(), u"正在随机换座中.."_s);
    EXPECT_EQ(t.client.table.ShuffleStep, 0);
    EXPECT_TRUE(t.form.TimerShuffle.enabled());
    EXPECT_TRUE(t.form.WebBrowser2.visible());
    EXPECT_EQ(t.form.WebBrowser2.locationUrl().toString(), conn.ShufflePageUrl);
    EXPECT_TRUE(conn.g_bSeatChangeShown);
    EXPECT_EQ(conn.g_bSeatChangeArmed, GetParam().staysArmed);
}

INSTANTIATE_TEST_SUITE_P(
    Starts, SeatChangeTest,
    testing::Values(SeatChangeStart{"start_button",
                                    [](BetweenTable& table) { table.form.AnNiu(2).raiseClick(); },
                                    false},
                    SeatChangeStart{"ready_countdown",
                                    [](BetweenTable& table) {
                                        table.client.conn.slots.arm(connection::kReadySlot);
                                        table.client.conn.CountDown = 0;
                                        table.platform.time.advance(1000);
                                        hand::ReadyCountdown(table.ctx.hand);
                                    },
                                    false},
                    SeatChangeStart{"server_asks",
                                    [](BetweenTable& table) {
                                        table.dispatch(
                                            BetweenTable::message(connection::MsgTableState,
                                                                  {{15, 0}, {11, 1}, {13, 1}}));
                                    },
                                    true}),
    [](const auto& param) { return std::string(param.param.name); });

// Each toggle shows its window placed anew, and hides it again.
TEST(ToggleButtonsTest, WindowsComeAndGo) {
    for (const QSize screen : {QSize(1024, 768), QSize(800, 600)}) {
        BetweenTable t(screen);
        t.form.AnNiu(1).raiseClick();
        auto& talk = t.client.forms.get<table::Talk>();
        EXPECT_TRUE(talk.visible());
        EXPECT_TRUE(talk.topmost());
        if (screen.width() == 1024) {
            EXPECT_DOUBLE_EQ(talk.top(), t.form.top() + 0.635 * t.form.height());
        } else {
            EXPECT_DOUBLE_EQ(talk.top(), 0.6 * t.form.height());
        }
        t.form.AnNiu(1).raiseClick();
        EXPECT_FALSE(talk.visible());

        t.form.AnNiu(3).raiseClick();
        auto& settings = t.client.forms.get<table::VosSet>();
        EXPECT_TRUE(settings.visible());
        EXPECT_DOUBLE_EQ(settings.left(),
                         t.form.left() + t.form.Pic1.width() - 1.1 * settings.width());
        t.form.AnNiu(3).raiseClick();
        EXPECT_FALSE(settings.visible());

        t.form.AnNiu(5).raiseClick();
        EXPECT_TRUE(shown<settlement::Score>(t));
        t.form.AnNiu(6).raiseClick();
        EXPECT_FALSE(shown<settlement::Score>(t));
        EXPECT_TRUE(shown<settlement::Hero>(t));
        t.form.AnNiu(7).raiseClick();
        EXPECT_TRUE(shown<table::rule>(t));
        t.form.AnNiu(8).raiseClick();
        EXPECT_FALSE(shown<table::rule>(t));
    }
}

TEST(ToggleButtonsTest, HideMinimisesWithoutAutomaticPlay) {
    BetweenTable t;
    t.form.AnNiu(1).raiseClick();
    t.form.AnNiu(4).raiseClick();
    EXPECT_EQ(t.form.windowState(), forms::window_state::kMinimized);
    EXPECT_TRUE(t.client.table.g_bBossKey);
    EXPECT_FALSE(t.client.table.g_bAutoPlay);
    EXPECT_FALSE(t.client.table.g_bHiddenPlay);
    EXPECT_FALSE(t.client.forms.get<table::Talk>().visible());
}

// Esc closes the open panels in their order before it toggles the exit dialog.
TEST(KeysTest, EscClosesPanelsInOrderThenTheExitDialog) {
    BetweenTable t;
    t.form.Pic_matchDetail.setVisible(true);
    t.form.Pic_chipinfo.setVisible(true);
    t.form.Pic_prizesort.setVisible(true);
    key(t, 27);
    EXPECT_FALSE(t.form.Pic_matchDetail.visible());
    EXPECT_FALSE(t.form.Pic_chipinfo.visible());
    EXPECT_TRUE(t.form.Pic_prizesort.visible());
    key(t, 27);
    EXPECT_FALSE(t.form.Pic_prizesort.visible());
    EXPECT_EQ(t.client.forms.find<table::frmExit>(), nullptr);
    key(t, 27);
    EXPECT_TRUE(t.client.forms.get<table::frmExit>().visible());
    key(t, 27);
    EXPECT_FALSE(t.client.forms.get<table::frmExit>().visible());
}

TEST(KeysTest, FOneIsTheBossKeyWithAutomaticPlay) {
    BetweenTable t;
    t.form.AnNiu(3).raiseClick();
    key(t, 112);
    EXPECT_TRUE(t.client.table.g_bAutoPlay);
    EXPECT_TRUE(t.client.table.g_bBossKey);
    EXPECT_TRUE(t.client.table.g_bHiddenPlay);
    EXPECT_EQ(t.client.conn.CountDownStart, 0);
    EXPECT_EQ(t.client.forms.find<table::VosSet>(), nullptr);
    EXPECT_EQ(t.form.windowState(), forms::window_state::kMinimized);
    EXPECT_EQ(t.platform.lobby.events().back().kind, platform::fake::FakeLobbyLink::Kind::Minimize);
}

struct AltCCase {
    const char* name;
    std::vector<int> keys;
    bool opens;
};

class AltCTest : public testing::TestWithParam<AltCCase> {};

TEST_P(AltCTest, AltAndCOpenTheChatLog) {
    BetweenTable t;
    for (const int code : GetParam().keys) {
        key(t, code);
    }
    auto* talk = t.client.forms.find<table::Talk>();
    EXPECT_EQ(talk != nullptr && talk->visible(), GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(Cases, AltCTest,
                         testing::Values(AltCCase{"alt_c", {18, 67}, true},
                                         AltCCase{"c_alt", {67, 18}, true},
                                         AltCCase{"alt_shift_c", {18, 16, 67}, false},
                                         AltCCase{"alt_esc_c", {18, 27, 67}, true}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(KeysTest, ATypedCharacterSendsTheFocusToTheChatBox) {
    BetweenTable t;
    t.form.show();
    t.form.Chat.setVisible(true);
    t.form.Chat.setText(u"abc"_s);
    int ch = 'x';
    t.form.Pic1.events.keyPress(ch);
    EXPECT_EQ(ch, 0);
    EXPECT_EQ(t.form.Chat.selStart(), 3);
    EXPECT_EQ(t.form.activeControl(), &t.form.Chat);
}

// The seat-change caption: two dots, then three from 0.6 s, four from 0.9 s, five from 1.2 s
// and two again from 1.5 s.
TEST(AnimationsTest, TheSeatChangeCaptionCycles) {
    BetweenTable t;
    table::ShowSeatChange(t.form, QString());
    const std::vector<std::pair<int, QString>> steps{{300, u"正在随机换座中.."_s},
                                                     {300, u"正在随机换座中..."_s},
                                                     {300, u"正在随机换座中...."_s},
                                                     {300, u"正在随机换座中....."_s},
                                                     {300, u"正在随机换座中.."_s}};
    EXPECT_EQ(t.form.LblShuffle.caption(), u"正在随机换座中.."_s);
    for (const auto& [ms, caption] : steps) {
        t.platform.time.advance(ms);
        EXPECT_EQ(t.form.LblShuffle.caption(), caption);
    }
}

TEST(AnimationsTest, TheCountdownShowsThreeTwoOneAndClears) {
    BetweenTable t;
    t.client.conn.view = std::make_unique<app::MainFormView>(t.client, t.form);
    t.dispatch(BetweenTable::message(connection::MsgCountdownAnim, {{9, 2}}));
    EXPECT_TRUE(t.form.Picture_ani(0).visible());
    EXPECT_TRUE(t.client.table.g_bCountdownAnim);
    t.platform.time.advance(1500);
    EXPECT_FALSE(t.form.Picture_ani(0).visible());
    EXPECT_TRUE(t.form.Picture_ani(1).visible());
    t.platform.time.advance(1500);
    EXPECT_TRUE(t.form.Picture_ani(2).visible());
    t.platform.time.advance(1500);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(t.form.Picture_ani(i).visible());
    }
    EXPECT_FALSE(t.form.Timer_ani.enabled());
    EXPECT_FALSE(t.client.table.g_bCountdownAnim);

    // A table-state message stops a running countdown at once.
    t.dispatch(BetweenTable::message(connection::MsgCountdownAnim, {{9, 2}}));
    t.platform.time.advance(2000);
    EXPECT_TRUE(t.form.Picture_ani(1).visible());
    t.dispatch(BetweenTable::message(connection::MsgTableState, {{15, 1}}));
    EXPECT_FALSE(t.form.Picture_ani(1).visible());
    EXPECT_FALSE(t.form.Timer_ani.enabled());
}

TEST(VosSetTest, MusicOffAndOnRestartsAndCancelUndoes) {
    BetweenTable t;
    auto& settings = t.client.forms.get<table::VosSet>();
    settings.Command2(0).raiseClick();
    EXPECT_FALSE(t.client.sound.g_bMusicOn);
    settings.Command2(0).raiseClick();
    EXPECT_TRUE(t.client.sound.g_bMusicOn);
    settings.Command2(1).raiseClick();
    settings.Command2(2).raiseClick();
    settings.Command2(2).raiseClick();
    settings.Command1(1).raiseClick();
    EXPECT_FALSE(settings.visible());
    EXPECT_TRUE(t.client.sound.g_bEffectOn);
    EXPECT_TRUE(t.client.sound.g_bSoundOn);

    settings.Command2(0).raiseClick();
    settings.Command1(0).raiseClick();
    settings.Command1(1).raiseClick();
    EXPECT_FALSE(t.client.sound.g_bMusicOn);
}

TEST(VosSetTest, TheTableColourSwitchesOnlyAtFullScale) {
    BetweenTable t;
    auto& settings = t.client.forms.get<table::VosSet>();
    const auto ole = [](const QImage& picture) {
        const QColor c = picture.pixelColor(5, 5);
        return static_cast<std::int64_t>(forms::rgb(c.red(), c.green(), c.blue()));
    };
    settings.Command2(3).raiseClick();
    EXPECT_TRUE(t.client.table.g_bAltTableSkin);
    EXPECT_EQ(t.form.Pic1.point(5, 5), ole(t.form.pic4.picture()));
    settings.Command1(1).raiseClick();
    EXPECT_FALSE(t.client.table.g_bAltTableSkin);
    EXPECT_EQ(t.form.Pic1.point(5, 5), ole(t.form.pic3.picture()));

    BetweenTable small({800, 600});
    auto& smallSettings = small.client.forms.get<table::VosSet>();
    smallSettings.Command2(3).raiseClick();
    EXPECT_FALSE(small.client.table.g_bAltTableSkin);
    EXPECT_TRUE(smallSettings.OptionChanged[3]);
}

} // namespace
} // namespace qv::between
