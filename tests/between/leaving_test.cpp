#include "between/leave_table.h"
#include "between_fixture.h"
#include "platform/fake/fake_process.h"
#include "table/chat_windows.h"
#include "table/exit_windows.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

using platform::fake::FakeLobbyLink;
using testing_support::BetweenTable;

struct LabelCase {
    const char* name;
    bool countdownAnim;
    bool inGame;
    bool spectator;
    bool label1;
    bool label2;
    bool label3;
};

class ExitDialogTest : public testing::TestWithParam<LabelCase> {};

TEST_P(ExitDialogTest, TheWarningFollowsTheTablesState) {
    const LabelCase& c = GetParam();
    BetweenTable t;
    t.client.table.g_bCountdownAnim = c.countdownAnim;
    t.client.conn.g_bInGame = c.inGame;
    t.client.conn.commandLine.g_bSpectator = c.spectator;
    t.form.AnNiu(8).raiseClick();
    auto* dialog = t.client.forms.find<table::frmExit>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->visible());
    EXPECT_EQ(dialog->opacity(), 200);
    EXPECT_EQ(dialog->Label1.visible(), c.label1);
    EXPECT_EQ(dialog->Label2.visible(), c.label2);
    EXPECT_EQ(dialog->Label3.visible(), c.label3);
    EXPECT_DOUBLE_EQ(dialog->left(), (t.form.width() - dialog->width()) / 2 + t.form.left());
    t.form.AnNiu(8).raiseClick();
    EXPECT_FALSE(dialog->visible());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitDialogTest,
    testing::Values(LabelCase{"idle", false, false, false, true, false, false},
                    LabelCase{"in_hand", false, true, false, true, true, false},
                    LabelCase{"watcher_in_hand", false, true, true, true, false, false},
                    LabelCase{"countdown", true, true, false, false, false, true}),
    [](const auto& param) { return std::string(param.param.name); });

// OK sends the leave message on the wire before the socket closes, resets everything and brings
// the lobby back; the client stays.
TEST(LeavingTest, ConfirmingLeavesForTheLobby) {
    BetweenTable t;
    t.connect();
    t.platform.winsock.takeSent();
    QFile sheet(t.platform.appFolder.path() + u"/info.vm"_s);
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
    sheet.close();
    t.client.forms.get<table::Talk>().Text1.addItem(u"line"_s);
    t.client.table.g_bCountdownAnim = true;
    t.form.AnNiu(8).raiseClick();
    t.client.forms.get<table::frmExit>().pbCloseMe.raiseClick();

    const QByteArray sent = t.platform.winsock.sent();
    ASSERT_EQ(sent.size(), 272);
    EXPECT_EQ(sent[3], 16);
    EXPECT_EQ(sent[6], 1);
    EXPECT_EQ(sent[15], 0);
    EXPECT_EQ(t.platform.winsock.State(), platform::Socket::sckClosed);
    EXPECT_FALSE(QFile::exists(sheet.fileName()));
    EXPECT_TRUE(t.client.forms.get<table::Talk>().Text1.items().isEmpty());
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(t.client.hand.custom.at(static_cast<std::size_t>(i)).name.isEmpty());
        EXPECT_TRUE(t.form.Nid(i).caption().isEmpty());
        EXPECT_FALSE(t.form.OK(i).visible());
    }
    EXPECT_EQ(t.client.conn.SeatedCount, 0);
    EXPECT_TRUE(t.client.table.AnNiuLocked[2]);
    EXPECT_TRUE(t.client.table.g_bFirstStart);
    EXPECT_FALSE(t.client.table.g_bCountdownAnim);
    EXPECT_FALSE(t.client.conn.TimerBong.Enabled());
    EXPECT_TRUE(t.client.conn.g_bLeftTable);
    EXPECT_EQ(t.client.forms.find<table::frmExit>(), nullptr);
    EXPECT_EQ(t.form.windowState(), forms::window_state::kMinimized);
    EXPECT_EQ(t.platform.lobby.events().back(),
              (FakeLobbyLink::Event{FakeLobbyLink::Kind::Restore, t.client.conn.LobbyTitle, 0}));
    EXPECT_FALSE(t.platform.process.ended());
}

// A leave confirmed while the reconnect runs ends the reconnect: nothing connects afterwards.
TEST(LeavingTest, ALeaveDuringAReconnectConnectsNoMore) {
    BetweenTable t;
    t.connect();
    t.client.conn.frmReconnect.startReconnect();
    t.form.AnNiu(8).raiseClick();
    t.client.forms.get<table::frmExit>().pbCloseMe.raiseClick();
    const int connects = t.platform.winsock.connects();
    t.platform.time.advance(60'000);
    EXPECT_EQ(t.platform.winsock.connects(), connects);
    EXPECT_FALSE(t.client.conn.frmReconnect.loaded());
}

// The leave ends what the player's time at the table left running.
TEST(LeavingTest, TheLeaveResetsTheTablesPassingState) {
    BetweenTable t;
    t.connect();
    t.client.conn.TimeoutCount = 2;
    t.client.table.OwnVideoOn = true;
    t.client.table.g_bJiaopaiNormal = false;
    t.client.chat.EmoticonShowing = true;
    t.client.chat.EmoticonShowTicks = 30;
    t.client.chat.DBQ_click_time = 1234;
    t.form.AnNiu(8).raiseClick();
    t.client.forms.get<table::frmExit>().pbCloseMe.raiseClick();
    EXPECT_EQ(t.client.conn.TimeoutCount, 0);
    EXPECT_FALSE(t.client.table.OwnVideoOn);
    EXPECT_TRUE(t.client.table.g_bJiaopaiNormal);
    EXPECT_FALSE(t.client.chat.EmoticonShowing);
    EXPECT_EQ(t.client.chat.EmoticonShowTicks, 0);
    EXPECT_FALSE(t.client.chat.DBQ_click_time.has_value());
}

TEST(LeavingTest, WithoutALobbyWindowTheProgramEnds) {
    BetweenTable t;
    t.platform.lobby.close(t.client.conn.LobbyTitle);
    t.form.AnNiu(8).raiseClick();
    EXPECT_THROW(t.client.forms.get<table::frmExit>().pbCloseMe.raiseClick(),
                 platform::fake::ProgramEnded);
}

TEST(LeavingTest, CancelInTheNoticeStaysBetweenHandsAndTheStartButtonThenLeaves) {
    BetweenTable t;
    t.client.conn.g_bInGame = true;
    ShowOtherExit(t.ctx, u"x"_s);
    auto& notice = t.client.forms.get<table::frmOtherExit>();
    notice.imgCancel.raiseClick();
    EXPECT_TRUE(notice.visible());
    t.client.conn.g_bInGame = false;
    notice.imgCancel.raiseClick();
    EXPECT_EQ(t.client.forms.find<table::frmOtherExit>(), nullptr);
    EXPECT_TRUE(t.client.conn.g_bLeaveOnStart);
    t.platform.lobby.clearEvents();
    t.client.table.AnNiuLocked[2] = true;
    t.form.AnNiu(2).raiseClick();
    EXPECT_TRUE(t.client.hand.custom[0].name.isEmpty());
    EXPECT_EQ(t.platform.lobby.events().back().kind, FakeLobbyLink::Kind::Restore);
}

// The lobby's leave goes through the real ways out too.
TEST(LeavingTest, TheLobbysLeaveResetsTheTable) {
    BetweenTable t;
    t.client.conn.subclassed = true;
    connection::LobbyWndProc(t.client.conn, connection::LobbyMsgLeave);
    EXPECT_TRUE(t.client.hand.custom[1].name.isEmpty());
    EXPECT_EQ(t.platform.lobby.posted().back(), connection::LobbyMsgLeave);
}

} // namespace
} // namespace qv::between
