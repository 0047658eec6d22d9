#include "app/client.h"
#include "app/start_on_table.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "hand/per_hand_reset.h"
#include "platform/fake/fake_platform.h"
#include "table/main_form.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::app {
namespace {

using connection::GameMessage;
using connection::kDefaultLobbyTitle;
using connection::MsgCountdownAnim;
using connection::MsgLogin;

/// The program's start on its table window, on fake services.
class MainFormViewTest : public testing::Test {
protected:
    MainFormViewTest() { platform.lobby.open(kDefaultLobbyTitle); }

    table::MainForm& start(const QString& line) {
        auto& form = client.forms.get<table::MainForm>();
        StartOnTable(client, form, line);
        return form;
    }

    platform::fake::FakePlatform platform;
    Client client{platform.services};
};

TEST_F(MainFormViewTest, TheTableConnectsLogsInAndShowsItInItsSystemList) {
    const double designFont = client.forms.get<table::MainForm>().Location.fontSize();
    auto& form = start(u"alice$secret$127.0.0.1$6000$一二三四五六七八九十一$0$$0$$$1$"_s +
                       kDefaultLobbyTitle + u"$桌子$0$0$"_s);
    EXPECT_FALSE(platform.process.ended());
    EXPECT_EQ(form.Sysmsg(0).items(), QStringList{u"正在连接服务器..."_s});
    EXPECT_EQ(form.caption(), u"桌子"_s);
    EXPECT_EQ(form.Location.caption(), u"一二三四五六七八九十一"_s);
    EXPECT_EQ(form.Location.fontSize(), designFont - 2);
    EXPECT_TRUE(client.conn.subclassed);
    // The prize bar and its winners button wait hidden until the prize pool is known.
    EXPECT_FALSE(form.Pic_prize.visible());
    EXPECT_FALSE(form.bt_prizesort.visible());
    platform.winsock.acceptConnection();
    platform.time.advance(200);
    GameMessage reply;
    reply.setCommand(MsgLogin);
    reply.setU8(15, 1);
    platform.winsock.receive(reply.toByteArray());
    platform.time.advance(100);
    EXPECT_EQ(form.Sysmsg(0).items(), QStringList{u"连接服务器成功！"_s});
    EXPECT_EQ(form.Sysmsg(1).listCount(), 1);
    EXPECT_FALSE(form.Pic_matchDetail.visible());
}

TEST_F(MainFormViewTest, TheLobbysReconnectBringsTheStartButtonBackAndLeaveMinimises) {
    auto& form = start(u"alice$secret$127.0.0.1$6000$loc$0$$0$$$0$$$0$0$"_s);
    client.table.AnNiuLocked[2] = true;
    form.Time_Img.setVisible(true);
    form.Pic_prize.setVisible(true);
    platform.lobby.send(0x400);
    EXPECT_EQ(form.windowState(), forms::window_state::kMinimized);
    EXPECT_FALSE(form.Pic_prize.visible());
    platform.lobby.send(0x16);
    EXPECT_FALSE(client.table.AnNiuLocked[2]);
    EXPECT_FALSE(form.Time_Img.visible());
}

TEST_F(MainFormViewTest, CountdownAnimationStartsItsTimer) {
    auto& form = start(u"alice$secret$127.0.0.1$6000$loc$0$$0$$$0$$$0$0$"_s);
    GameMessage anim;
    anim.setCommand(MsgCountdownAnim);
    anim.setU8(9, 2);
    connection::DispatchFrame(client.conn, anim);
    EXPECT_TRUE(form.Picture_ani(0).visible());
    EXPECT_TRUE(form.Timer_ani.enabled());
    EXPECT_EQ(form.Timer_ani.interval(), 1500);
    EXPECT_EQ(form.Timer_ani.tag(), u"0"_s);
}

TEST_F(MainFormViewTest, EachResetBeforeAHandHidesTheJadeTaskPanel) {
    auto& form = start(u"alice$secret$127.0.0.1$6000$loc$0$$0$$$0$$$0$0$"_s);
    for (void (*reset)(hand::HandContext&) : {&hand::ClearHandState, &hand::ClearTableState}) {
        form.Pic_Jadetask.setVisible(true);
        reset(*client.handOnTable());
        EXPECT_FALSE(form.Pic_Jadetask.visible());
    }
}

TEST_F(MainFormViewTest, ClosingTheTableStopsTheLobbyLinkAndShutsDown) {
    auto& form = start(u"alice$secret$127.0.0.1$6000$loc$0$$0$$$0$$$0$0$"_s);
    EXPECT_TRUE(form.unload());
    EXPECT_FALSE(client.conn.subclassed);
    EXPECT_EQ(platform.process.ended(), platform::Process::End::ShutDown);
}

TEST_F(MainFormViewTest, TheMusicStartsOnceTheTableIsUp) {
    client.sound.LoadSoundPaths();
    platform.sound.waveFiles.insert(client.sound.SoundFile[1]);
    const auto& form = start(u"alice$secret$127.0.0.1$6000$loc$0$$0$$$0$$$0$0$"_s);
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(platform.sound.loads(), 0);
    platform.time.processEvents();
    EXPECT_TRUE(platform.sound.playing());
    EXPECT_TRUE(platform.sound.looping());
}

TEST_F(MainFormViewTest, ASoundDeviceThatFailsAtStartStaysOff) {
    platform.sound.present = false;
    start(u"alice$secret$127.0.0.1$6000$loc$0$$0$$$0$$$0$0$"_s);
    platform.time.processEvents();
    EXPECT_FALSE(client.sound.g_bSoundOn);
}

TEST_F(MainFormViewTest, AFailureDuringTheStartRestoresTheLobbyAndEnds) {
    EXPECT_THROW(start(u"alice$secret$127.0.0.1$99999$loc$0$$0$$$0$$$0$0$"_s),
                 platform::fake::ProgramEnded);
    EXPECT_EQ(platform.process.ended(), platform::Process::End::RestoreLobbyThenEnd);
}

} // namespace
} // namespace qv::app
