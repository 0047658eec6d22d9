#include "settlement/result_branch.h"

#include "common/picture_resources.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "hand/bomb_log.h"
#include "settlement/score_window.h"
#include "settlement/settlement_context.h"
#include "settlement/show_settlement.h"
#include "table/main_form.h"

namespace qv::settlement {
namespace {

constexpr int kPlayButtons = 3;
constexpr std::int16_t kChipButtonPicture = 1652;
constexpr std::uint8_t kBuyGoods = 2;
constexpr std::int32_t kCigarettes = 3;

void hideAndDisable(forms::Control& control) {
    control.setVisible(false);
    control.setEnabled(false);
}

/// The call and play buttons go, and with them the player's turn and its countdown.
void endThePlayersPart(SettlementContext& ctx) {
    auto& form = ctx.hand.form;
    auto& conn = ctx.hand.conn;
    hideAndDisable(form.btnJiaopai(0));
    for (int i = 0; i < kPlayButtons; ++i) {
        if (form.Operation.exists(i)) {
            hideAndDisable(form.Operation(i));
        }
    }
    conn.g_bOwnCountdown = false;
    conn.slots.disarm(connection::kTurnSlot);
    ctx.hand.hand.g_bMyTurn = false;
    ctx.hand.hand.Oper_Flag = false;
    conn.g_bBuyDeferred = false;
}

/// Cigarettes ordered during the hand go out with its first result.
void sendPendingOrder(connection::Connection& conn) {
    if (!conn.PendingSmokeOrder) {
        return;
    }
    connection::Send93(conn, kBuyGoods, kCigarettes, conn.PendingSmokeNum);
    conn.PendingSmokeOrder = false;
    conn.PendingSmokeNum = 0;
}

/// The first result of a hand holds back a leaving player and parks two kinds of plug-in
/// messages until the next hand starts.
void holdForTheResult(connection::Connection& conn) {
    if (conn.g_bHoldLeft) {
        return;
    }
    conn.HeldCmd45AArmed = true;
    conn.HeldCmd45BArmed = true;
    conn.HeldCmd45A = connection::GameMessage();
    conn.HeldCmd45B = connection::GameMessage();
    conn.g_bHoldLeft = true;
}

void storeRows(SettlementContext& ctx, const ResultHalves& halves) {
    const int part = ctx.hand.conn.ResultPart;
    if (part != 1 && part != 2) {
        return;
    }
    const auto first = static_cast<std::size_t>(2 * (part - 1));
    ctx.state.ResultRows.at(first) = halves.a;
    ctx.state.ResultRows.at(first + 1) = halves.b;
    if (part == 2) {
        ctx.state.SheetPending = true;
    }
}

void startTheSheet(SettlementContext& ctx) {
    auto& conn = ctx.hand.conn;
    if (conn.ResultPart != 2) {
        return;
    }
    if (ctx.hand.plugin.loaded()) {
        conn.ResultStage = 1;
        plugin::HoldSheetForPlugin(ctx.hand.plugin, ctx.hand.services.time.tickMs());
    } else {
        ShowSettlement(ctx);
    }
}

void bringToFrontIfVisible(forms::Control& control) {
    if (control.visible()) {
        control.zOrder(0);
    }
}

void tableControls(SettlementContext& ctx) {
    auto& form = ctx.hand.form;
    form.Img_chip_bt.setEnabled(true);
    common::LoadGifResCopy(kChipButtonPicture, u"GIF"_s, form.Img_chip_bt);
    form.Img_chip_bt.setTag(u"0"_s);
    ctx.hand.conn.chips->RefreshForced();
    bringToFrontIfVisible(form.APNG_Jadefinish);
    bringToFrontIfVisible(form.APNG_JadeKuang);
    for (auto* digit : form.APNG_JadeNum.elements()) {
        bringToFrontIfVisible(*digit);
    }
    bringToFrontIfVisible(form.APNG_prize);
    for (auto* digit : form.APNG_prizenum.elements()) {
        bringToFrontIfVisible(*digit);
    }
}

} // namespace

void OnResult(SettlementContext& ctx, const ResultHalves& halves) {
    auto& conn = ctx.hand.conn;
    auto& form = ctx.hand.form;
    endThePlayersPart(ctx);
    holdForTheResult(conn);
    form.Time_Img.setVisible(false);
    form.Number.setVisible(false);
    ++conn.ResultPart;
    Score& score = ctx.forms.get<Score>();
    for (auto* list : score.State.elements()) {
        list->clear();
    }
    storeRows(ctx, halves);
    hand::MoveBombLog(ctx.hand.hand.BombLog, ctx.hand.hand.BombTable);
    startTheSheet(ctx);
    conn.CountDown = ctx.hand.table.g_bHiddenPlay ? 1 : conn.TurnTime;
    conn.SeatedCount = 0;
    sendPendingOrder(conn);
    tableControls(ctx);
    if (ctx.hand.table.g_bAutoPlay) {
        form.setWindowState(forms::window_state::kNormal);
        connection::RestoreLobby(conn);
        form.Pic1.setFocus();
    }
}

void RegisterBranches(connection::Connection& conn, std::function<SettlementContext*()> context) {
    conn.dispatcher.on(connection::MsgResult, decodeResult,
                       [context = std::move(context)](const ResultHalves& halves) {
                           if (SettlementContext* ctx = context()) {
                               OnResult(*ctx, halves);
                           }
                       });
}

} // namespace qv::settlement
