#include "hand/round_start_branch.h"

#include "connection/connection.h"
#include "connection/player_seated.h"
#include "forms/form_host.h"
#include "hand/deal.h"
#include "hand/hand_context.h"
#include "hand/table_reset.h"
#include "table/banker_mark.h"
#include "table/exit_windows.h"
#include "table/main_form.h"

namespace qv::hand {
namespace {

/// Queues a message parked during the result once: its command byte is cleared afterwards.
void releaseParked(HandContext& ctx, connection::GameMessage& parked, bool stillArmed) {
    if (parked.command() != 0 && !stillArmed) {
        connection::QueueFrame(ctx.conn, parked);
        parked.setCommand(0);
    }
}

void enterHand(HandContext& ctx, const connection::RoundStart& start) {

    ctx.conn.g_bInGame = true;
    releaseParked(ctx, ctx.conn.HeldCmd45A, ctx.conn.HeldCmd45AArmed);
    releaseParked(ctx, ctx.conn.HeldCmd45B, ctx.conn.HeldCmd45BArmed);
    ctx.conn.g_bHoldLeft = false;
    ctx.conn.g_bFirstDealDone = 1;
    ctx.conn.g_bRandomSeats = false;
    ctx.conn.HeldCmd45BArmed = false;
    if (ctx.plugin.Prop_GameDllState != 0) {
        ctx.conn.propPlugin->ClearProps();
    }
    ctx.conn.ResultPart = 0;
    ctx.conn.RoundNote = start.roundNote;
    ctx.hand.g_bMyTurn = false;
    ctx.hand.Oper_Flag = false;
    ctx.hand.g_bPrevTrickReady = true;
}

void bringTableUp(HandContext& ctx) {
    connection::PostToLobby(ctx.conn, connection::LobbyMsgRoundStart);
    if (ctx.form.windowState() != forms::window_state::kNormal && !ctx.table.g_bHiddenPlay) {
        ctx.form.setWindowState(forms::window_state::kNormal);
        connection::MinimizeLobby(ctx.conn);
        ctx.form.show();
    }
}

void openCall(HandContext& ctx, const connection::RoundStart& start) {

    ctx.conn.TurnTime = start.turnTime;
    ctx.hand.Zhuangjia_st =
        static_cast<std::int16_t>(connection::DisplaySeat(start.banker, ctx.hand.custom[0].seat));
    ctx.conn.CountDown = ctx.conn.TurnTime;
    ctx.conn.CountDownStart = ctx.conn.TurnTime;
    table::PlaceBankerMark(ctx.form, ctx.hand.Zhuangjia_st);
    if (ctx.hand.Zhuangjia_st == 0) {
        ctx.hand.g_bMyTurn = true;
        ctx.hand.Oper1_Flag = true;
        ctx.conn.g_CallTicks = 0;
        ctx.conn.g_bOwnCountdown = true;
        table::ShowCallButton(ctx.form);
    } else {
        ctx.conn.g_bOwnCountdown = false;
        ctx.conn.slots.arm(connection::kTurnSlot);
    }
    ctx.conn.CountDown = ctx.table.g_bHiddenPlay ? 1 : ctx.conn.TurnTime;
    table::ShowBankerClock(ctx.form, ctx.conn.CountDown);
}

} // namespace

void OnRoundStart(HandContext& ctx, const connection::RoundStart& start) {

    enterHand(ctx, start);
    if (start.fullHand()) {
        ResetTable(ctx);
    }
    bringTableUp(ctx);
    for (std::size_t k = 0; k < ctx.conn.RoundPlayerNames.size(); ++k) {
        ctx.conn.RoundPlayerNames.at(k) = ctx.hand.custom.at(k + 1).name;
    }
    ctx.conn.threadIndex = start.threadIndex;
    ctx.conn.g_bTimeLimit = true;
    ctx.conn.TimerKeepAlive.setEnabled(false);
    // A leave confirmed from here on would skip the warning that a hand is being played.
    if (const auto* dialog = ctx.form.host().find<table::frmExit>();
        dialog != nullptr && dialog->visible()) {
        ctx.form.host().unload<table::frmExit>();
    }
    ctx.conn.slots.disarm(connection::kReadySlot);
    ctx.conn.slots.BongFlag.at(connection::kTurnSlot) = false;
    ctx.table.AnNiuLocked[2] = true;
    for (int i = 0; i < 4; ++i) {
        ctx.form.OK(i).setVisible(false);
    }
    if (start.fullHand()) {
        OnDealCards(ctx, start.cards);
    }
    if (ctx.conn.WealthMultiple != 0) {
        ctx.conn.WealthOddsText = ctx.form.lbwealth.caption();
        ctx.form.Imgwealth.setVisible(true);
        ctx.form.lbwealth.setVisible(true);
    } else {
        ctx.form.Imgwealth.setVisible(false);
        ctx.form.lbwealth.setVisible(false);
    }
    openCall(ctx, start);
}

} // namespace qv::hand
