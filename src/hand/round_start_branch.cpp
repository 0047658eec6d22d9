#include "hand/round_start_branch.h"

#include "client.h"
#include "connection/connection.h"
#include "connection/player_seated.h"
#include "hand/deal.h"
#include "hand/table_reset.h"
#include "table/banker_mark.h"
#include "table/main_form.h"

#include <QVariant>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

/// Queues a message parked during the result once: its command byte is cleared afterwards.
void releaseParked(Client& client, connection::GameMessage& parked, bool stillArmed) {
    if (parked.command() != 0 && !stillArmed) {
        connection::QueueFrame(client, parked);
        parked.setCommand(0);
    }
}

/// The least the item plug-in's bridge does between hands: its pictures and label go, and a
/// running plug-in is told the next display may come.
void ClearProps(table::MainForm& form) {
    SharedData& shared = form.client().shared;
    form.ImgProp(0).setVisible(false);
    form.LbProp.setVisible(false);
    if (shared.Prop_GameDllState > 0 && shared.Prop_GameDll) {
        QVariantList args{true};
        shared.Prop_GameDll->call(u"InitShowNext"_s, args);
    }
}

void enterHand(table::MainForm& form, const connection::RoundStart& start) {
    Client& client = form.client();
    connection::ConnectionState& conn = client.conn;
    conn.g_bInGame = true;
    releaseParked(client, conn.HeldCmd45A, conn.HeldCmd45AArmed);
    releaseParked(client, conn.HeldCmd45B, conn.HeldCmd45BArmed);
    conn.g_bHoldLeft = false;
    conn.g_bFirstDealDone = 1;
    conn.g_bRandomSeats = false;
    conn.HeldCmd45BArmed = false;
    if (client.shared.Prop_GameDllState != 0) {
        ClearProps(form);
    }
    conn.ResultPart = 0;
    conn.RoundNote = start.roundNote;
    client.hand.g_bMyTurn = false;
    client.hand.Oper_Flag = false;
    client.hand.g_bPrevTrickReady = true;
}

void bringTableUp(table::MainForm& form) {
    Client& client = form.client();
    connection::PostToLobby(client, connection::LobbyMsgRoundStart);
    if (form.windowState() != forms::window_state::kNormal && !client.shared.g_bHiddenPlay) {
        form.setWindowState(forms::window_state::kNormal);
        connection::MinimizeLobby(client);
        form.show();
    }
}

void openCall(table::MainForm& form, const connection::RoundStart& start) {
    Client& client = form.client();
    connection::ConnectionState& conn = client.conn;
    HandState& hand = client.hand;
    conn.TurnTime = start.turnTime;
    hand.Zhuangjia_st = static_cast<std::int16_t>(
        connection::DisplaySeat(start.banker, client.shared.custom[0].seat));
    conn.CountDown = conn.TurnTime;
    client.shared.CountDownStart = conn.TurnTime;
    table::PlaceBankerMark(form, hand.Zhuangjia_st);
    if (hand.Zhuangjia_st == 0) {
        hand.g_bMyTurn = true;
        hand.Oper1_Flag = true;
        client.shared.g_CallTicks = 0;
        conn.g_bOwnCountdown = true;
        table::ShowCallButton(form);
    } else {
        conn.g_bOwnCountdown = false;
        conn.slots.arm(connection::kTurnSlot);
    }
    conn.CountDown = client.shared.g_bHiddenPlay ? 1 : conn.TurnTime;
    table::ShowBankerClock(form, conn.CountDown);
}

} // namespace

void OnRoundStart(table::MainForm& form, const connection::RoundStart& start) {
    Client& client = form.client();
    connection::ConnectionState& conn = client.conn;
    enterHand(form, start);
    if (start.fullHand()) {
        ResetTable(form);
    }
    bringTableUp(form);
    for (std::size_t k = 0; k < conn.RoundPlayerNames.size(); ++k) {
        conn.RoundPlayerNames.at(k) = client.shared.custom.at(k + 1).name;
    }
    conn.threadIndex = start.threadIndex;
    conn.g_bTimeLimit = true;
    conn.TimerKeepAlive.setEnabled(false);
    conn.slots.disarm(connection::kReadySlot);
    conn.slots.BongFlag.at(connection::kTurnSlot) = false;
    client.shared.AnNiuLocked[2] = true;
    for (int i = 0; i < 4; ++i) {
        form.OK(i).setVisible(false);
    }
    if (start.fullHand()) {
        OnDealCards(form, start.cards);
    }
    if (conn.WealthMultiple != 0) {
        client.shared.WealthOddsText = form.lbwealth.caption();
        form.Imgwealth.setVisible(true);
        form.lbwealth.setVisible(true);
    } else {
        form.Imgwealth.setVisible(false);
        form.lbwealth.setVisible(false);
    }
    openCall(form, start);
}

} // namespace qv::hand
