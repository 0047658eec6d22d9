#include "between/leave_table.h"

#include "between/between_context.h"
#include "common/picture_resources.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "hand/per_hand_reset.h"
#include "hand/table_reset.h"
#include "platform/services.h"
#include "table/chat_windows.h"
#include "table/exit_windows.h"
#include "table/main_form.h"
#include "table/seat_display.h"
#include "table/table_animations.h"

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

using connection::Connection;
using platform::Socket;

constexpr int kLeaveStateByte = 15;
constexpr int kLeaveWaitMs = 400;
constexpr int kLeaveWaitAfterReconnectMs = 800;
constexpr int kCloseTableSleepMs = 2000;
constexpr int kPluginPauseMs = 250;
constexpr int kKeepAliveMs = 5000;
/// How long the reset waits for the socket to close; it never waits for ever.
constexpr int kCloseWaitStepMs = 10;
constexpr int kCloseWaitMostMs = 5000;
constexpr int kStartPicture = 4;

/// The pump's soft timers and both timers off.
void stopPump(Connection& conn) {
    for (const int slot : {connection::kSendSlot, connection::kReceiveSlot, connection::kLoginSlot,
                           connection::kBlinkSlot, connection::kCheckSlot, connection::kTurnSlot,
                           connection::kReadySlot}) {
        conn.slots.BongFlag.at(static_cast<std::size_t>(slot)) = false;
    }
    conn.slots.BongCount.at(connection::kCheckSlot) = 0;
    conn.TimerBong.setEnabled(false);
    conn.TimerKeepAlive.setEnabled(false);
}

void hideSeatChange(BetweenContext& ctx) {
    table::MainForm& form = ctx.hand.form;
    form.LblShuffle.setVisible(false);
    form.ImgShuffle.setVisible(false);
    form.TimerShuffle.setEnabled(false);
    ctx.hand.conn.g_bSeatChangeArmed = false;
    ctx.hand.conn.g_bSeatChangeShown = false;
}

/// The own video and the big emoticons end with the table.
void endVideoAndEmoticons(BetweenContext& ctx) {
    ctx.hand.table.OwnVideoOn = false;
    ctx.chat.EmoticonShowing = false;
    ctx.chat.EmoticonShowTicks = 0;
}

/// Display seat `seat` loses what it showed of its player and its VIP badge.
void clearSeatView(BetweenContext& ctx, int seat) {
    table::MainForm& form = ctx.hand.form;
    form.Tou(seat).setPicture(QImage());
    form.img_vip(seat).setVisible(false);
    const auto s = static_cast<std::size_t>(seat);
    ctx.hand.plugin.VipAnimTicks.at(s) = 0;
    ctx.hand.plugin.VipAnimFrame.at(s) = 0;
}

template <class F>
void unloadIfLoaded(forms::FormHost& host) {
    host.unload<F>();
}

} // namespace

void ClearPlayerDetail(connection::PlayerDetail& detail, bool keepVip) {
    detail.username.clear();
    detail.face.clear();
    detail.location.clear();
    detail.levelName.clear();
    detail.sex = 0;
    detail.score = 0;
    detail.memberLevel = 0;
    detail.coins = 0;
    detail.spare1 = 0;
    detail.spare2 = 0;
    detail.spare3 = 0;
    detail.roomInfo = 0;
    detail.logins = 0;
    detail.disconnects = 0;
    detail.wins = 0;
    detail.losses = 0;
    if (!keepVip) {
        detail.vip = 0;
    }
}

void EmptySeat(BetweenContext& ctx, int seat, const std::function<void()>& notice) {
    table::MainForm& form = ctx.hand.form;
    const auto s = static_cast<std::size_t>(seat);
    form.OK(seat).setVisible(false);
    form.Tou(seat).setPicture(QImage());
    form.Nid(seat).setCaption({});
    form.Cash(seat).setCaption({});
    form.Level(seat).setCaption({});
    notice();
    ctx.hand.conn.RoundPlayerNames.at(s - 1).clear();
    ctx.hand.hand.custom.at(s).name.clear();
    ClearPlayerDetail(ctx.hand.conn.Detail.at(s), false);
    clearSeatView(ctx, seat);
    if (ctx.hand.plugin.loaded()) {
        ctx.hand.plugin.Prop_GameDll->ClearUser(static_cast<std::int16_t>(seat));
    }
}

void SendLeaveTable(BetweenContext& ctx) {
    Connection& conn = ctx.hand.conn;
    connection::GameMessage leave;
    leave.setCommand(connection::MsgTableState);
    leave.setU8(connection::kSeatMaskByte, ctx.hand.hand.custom[0].seat);
    leave.setU8(kLeaveStateByte, 0);
    stopPump(conn);
    if (conn.services.winsock.State() == Socket::sckConnected) {
        conn.services.winsock.SendData(leave.toByteArray());
    }
    conn.services.time.wait(conn.g_bReconnected ? kLeaveWaitAfterReconnectMs : kLeaveWaitMs);
    hideSeatChange(ctx);
    endVideoAndEmoticons(ctx);
    table::MainForm& form = ctx.hand.form;
    for (int i = 0; i < 4; ++i) {
        form.ucAni_BBQS(i).setVisible(false);
    }
    form.WebBrowser1.setVisible(false);
    form.WebBrowser2.setVisible(false);
}

void LeaveTableReset(BetweenContext& ctx) {
    Connection& conn = ctx.hand.conn;
    table::MainForm& form = ctx.hand.form;
    table::TableState& table = ctx.hand.table;

    conn.g_bInGame = false;
    table.AnNiuLocked[2] = true;
    stopPump(conn);
    conn.TimerKeepAlive.setInterval(kKeepAliveMs);
    endVideoAndEmoticons(ctx);
    conn.g_bHoldLeft = false;
    form.Sysmsg(0).clear();
    form.Sysmsg(1).clear();
    conn.services.winsock.Close();
    conn.g_bLoginPending = false;
    for (int waited = 0;
         conn.services.winsock.State() == Socket::sckConnected && waited < kCloseWaitMostMs;
         waited += kCloseWaitStepMs) {
        conn.services.time.wait(kCloseWaitStepMs);
    }

    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<std::size_t>(i);
        clearSeatView(ctx, i);
        for (auto* label : {&form.Nid(i), &form.Cash(i), &form.Level(i)}) {
            label->setCaption({});
        }
        if (form.lbl_score.exists(i)) {
            form.lbl_score(i).setCaption({});
        }
        if (form.lbl_sort.exists(i)) {
            form.lbl_sort(i).setCaption({});
        }
        ctx.hand.hand.custom.at(s).name.clear();
        ctx.hand.hand.custom.at(s).seat = 0;
        ClearPlayerDetail(conn.Detail.at(s), false);
    }
    ctx.hand.plugin.g_bVipAnim = false;

    form.btnJiaopai(0).setVisible(false);
    form.ImgJiaopai(0).setVisible(false);
    for (int i = 0; i < 4; ++i) {
        form.Speak(i).setVisible(false);
        form.OK(i).setVisible(false);
    }
    table.g_bJiaopaiNormal = true;

    if (auto* talk = ctx.forms.find<table::Talk>()) {
        talk->Text1.clear();
    }
    conn.SeatedCount = 0;
    conn.g_bInGame = false;
    ctx.match.juNum = 0;
    form.setWindowState(forms::window_state::kMinimized);
    conn.TimeoutCount = 0;
    table.g_bAutoPlay = false;
    ctx.chat.DBQ_click_time.reset();
    unloadIfLoaded<table::frmOtherExit>(ctx.forms);
    unloadIfLoaded<table::frmExit>(ctx.forms);
    common::LoadGifRes(static_cast<std::int16_t>(ctx.hand.imageRes.AnNiuRes[kStartPicture].toInt()),
                       u"GIF"_s, form.AnNiu(2));
    table.g_bFirstStart = true;
    form.lbwealth.setCaption(u"0"_s);
    form.lbwealth.setVisible(false);
    form.Imgwealth.setVisible(false);
    table.SeatWealth = {};

    conn.g_bBuyDeferred = false;
    conn.PendingSmokeOrder = false;
    conn.PendingSmokeNum = 0;
    conn.view->initPrizePanel();
    conn.view->initJadeTask();
    conn.view->hideExchangeWindow();

    form.ImgShowMatch.setVisible(false);
    form.ImgShowMatch.setEnabled(false);
    form.ImgShowSort.setVisible(false);
    form.ImgShowSort.setEnabled(false);
    form.Pic_matchDetail.setVisible(false);
    form.Pic_sortDetail.setVisible(false);
    form.ImgOpenMatchBtn.setVisible(false);
    form.ImgOpenMatchBtn.setEnabled(false);

    conn.view->hidePrizePanel();
    if (ctx.hand.plugin.loaded()) {
        conn.propPlugin->ExitPropPlugin(0);
    }
    // The table is gone: no sheet of it is owed any more.
    ctx.hand.plugin.Prop_ShowNext = false;
    form.Chat.setText({});
}

void CloseTable(BetweenContext& ctx, bool showNotice) {
    Connection& conn = ctx.hand.conn;
    table::MainForm& form = ctx.hand.form;
    for (int i = 1; i <= 3; ++i) {
        const auto s = static_cast<std::size_t>(i);
        form.OK(i).setVisible(false);
        form.Sysmsg(0).clear();
        conn.RoundPlayerNames.at(s - 1).clear();
        ctx.hand.hand.custom.at(s).name.clear();
        ClearPlayerDetail(conn.Detail.at(s), true);
        clearSeatView(ctx, i);
    }
    conn.services.winsock.Close();
    conn.services.time.sleep(kCloseTableSleepMs);
    connection::ResetRings(conn);
    conn.SeatedCount = 0;
    if (showNotice) {
        auto& notice = ctx.forms.get<table::frmOtherExit>();
        notice.setTopmost(true);
        table::CentreOver(notice, form);
        notice.show();
    }
}

void ReturnToLobby(BetweenContext& ctx) {
    Connection& conn = ctx.hand.conn;
    if (!conn.services.lobby.find(conn.LobbyTitle)) {
        conn.services.process.endNow();
    }
    ctx.hand.form.setWindowState(forms::window_state::kMinimized);
    connection::RestoreLobby(conn);
}

void LeaveToLobby(BetweenContext& ctx) {
    // Through the client's way out, so every subsystem's share of the reset runs.
    connection::TableExit& exit = *ctx.hand.conn.tableExit;
    ctx.hand.conn.g_bTableReset = false;
    exit.LeaveTableReset();
    exit.ClearTableState();
    exit.ResetTable();
}

void ToggleExitDialog(BetweenContext& ctx) {
    if (auto* shown = ctx.forms.find<table::frmExit>(); shown != nullptr && shown->visible()) {
        shown->hide();
        return;
    }
    auto& dialog = ctx.forms.get<table::frmExit>();
    table::CentreOver(dialog, ctx.hand.form);
    const Connection& conn = ctx.hand.conn;
    if (ctx.hand.table.g_bCountdownAnim) {
        dialog.Label1.setVisible(false);
        dialog.Label2.setVisible(false);
        dialog.Label3.setCaption(u"游戏马上开始，请不要退出，退出会被托管扣分！"_s);
        dialog.Label3.setVisible(true);
    } else if (!conn.g_bInGame || conn.commandLine.g_bSpectator) {
        dialog.Label2.setVisible(false);
    } else {
        dialog.Label2.setCaption(u"游戏正在进行，逃跑会扣分！"_s);
        dialog.Label2.setVisible(true);
    }
    if (ctx.hand.conn.g_bSeatChangeShown) {
        dialog.setPicture(QImage());
    }
    dialog.show();
}

void pbCloseMe_Click(BetweenContext& ctx) {
    Connection& conn = ctx.hand.conn;
    conn.g_bLeftTable = true;
    ctx.match.g_bLeavingTable = true;
    if (ctx.hand.plugin.loaded()) {
        ctx.hand.plugin.Prop_GameDll->UpdataMyProp(false);
        conn.services.time.wait(kPluginPauseMs);
    }
    SendLeaveTable(ctx);
    LeaveToLobby(ctx);
    ctx.forms.unload<table::frmExit>();
    // A reconnect still running would connect again from the lobby.
    conn.frmReconnect.Unload();
    if (ctx.hand.table.g_bCountdownAnim) {
        table::StopCountdownAnimation(ctx.hand.form);
    }
    ReturnToLobby(ctx);
}

void imgOK_Click(BetweenContext& ctx) {
    LeaveToLobby(ctx);
    ctx.forms.unload<table::frmOtherExit>();
    ReturnToLobby(ctx);
}

void imgCancel_Click(BetweenContext& ctx) {
    if (ctx.hand.conn.g_bInGame) {
        return;
    }
    ctx.hand.conn.g_bLeaveOnStart = true;
    ctx.hand.form.setWindowState(forms::window_state::kNormal);
    ctx.forms.unload<table::frmOtherExit>();
}

void ShowOtherExit(BetweenContext& ctx, const QString& text, bool show) {
    auto& notice = ctx.forms.get<table::frmOtherExit>();
    notice.Label1.setCaption(text);
    if (show) {
        notice.setTopmost(true);
        table::CentreOver(notice, ctx.hand.form);
        notice.show();
    }
}

void registerExitWindows(forms::FormHost& host, std::function<BetweenContext*()> table) {
    host.registerForm<table::frmExit>([table](forms::FormHost& formHost) {
        auto dialog = std::make_unique<table::frmExit>(formHost);
        dialog->pbCloseMe.events.click = [table] {
            if (BetweenContext* ctx = table()) {
                pbCloseMe_Click(*ctx);
            }
        };
        dialog->pbCancel.events.click = [&formHost] {
            formHost.unload<table::frmExit>();
        };
        return dialog;
    });
    host.registerForm<table::frmOtherExit>([table](forms::FormHost& formHost) {
        auto notice = std::make_unique<table::frmOtherExit>(formHost);
        notice->imgOK.events.click = [table] {
            if (BetweenContext* ctx = table()) {
                imgOK_Click(*ctx);
            }
        };
        notice->imgCancel.events.click = [table] {
            if (BetweenContext* ctx = table()) {
                imgCancel_Click(*ctx);
            }
        };
        return notice;
    });
}

void BetweenTableExit::SendLeaveTable() {
    if (BetweenContext* ctx = table_()) {
        between::SendLeaveTable(*ctx);
    } else {
        least_.SendLeaveTable();
    }
}

void BetweenTableExit::LeaveTableReset() {
    if (BetweenContext* ctx = table_()) {
        between::LeaveTableReset(*ctx);
    } else {
        least_.LeaveTableReset();
    }
}

void BetweenTableExit::ClearTableState() {
    if (BetweenContext* ctx = table_()) {
        hand::ClearTableState(ctx->hand);
    }
}

void BetweenTableExit::ResetTable() {
    if (BetweenContext* ctx = table_()) {
        hand::ResetTable(ctx->hand);
    }
}

void BetweenTableExit::ShowOtherExit(const QString& text) {
    if (BetweenContext* ctx = table_()) {
        between::ShowOtherExit(*ctx, text);
    } else {
        least_.ShowOtherExit(text);
    }
}

} // namespace qv::between
