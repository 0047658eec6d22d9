#include "hand/countdowns.h"

#include "common/picture_resources.h"
#include "common/sound.h"
#include "connection/commands.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "hand/hand_context.h"
#include "hand/hints_shown.h"
#include "hand/own_finish.h"
#include "hand/own_play.h"
#include "hand/partner_call.h"
#include "hand/per_hand_reset.h"
#include "hand/table_reset.h"
#include "table/design_style.h"
#include "table/main_form.h"
#include "table/table_animations.h"

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

constexpr int kCallStepTicks = 20;
constexpr int kRedFrom = 5;
constexpr int kContinuePicture = 6;
constexpr int kReadyStateByte = 15;
constexpr forms::OleColor kRed = forms::rgb(255, 0, 0);

void hideClock(HandContext& ctx) {
    ctx.form.Time_Img.setVisible(false);
    ctx.form.Number.setVisible(false);
}

/// One second of a clock-driven countdown has passed since `last`, or the clock passed midnight.
bool secondDue(HandContext& ctx, double& last) {
    const double now = ctx.services.time.secondsSinceMidnight();
    if (now < last + 1 && now >= last) {
        return false;
    }
    last = now;
    return true;
}

void callForPlayer(HandContext& ctx) {
    forms::Image& button = ctx.form.btnJiaopai(0);
    button.setVisible(false);
    button.setEnabled(false);
    // An empty hand has no card to call.
    const PlayerInfo& own = ctx.hand.custom[0];
    if (own.sum > 0) {
        const rules::CardCode lowest = own.pai.at(static_cast<std::size_t>(own.sum - 1)).code;
        QueueCall(ctx, rules::cardFace(lowest), rules::cardSuit(lowest));
    }
    hideClock(ctx);
    ctx.hand.Oper1_Flag = false;
    ctx.conn.g_CallTicks = 0;
}

/// The player's own turn ran out: the first hint is played, or a pass is sent when there is
/// none or its play is refused while a play is to be beaten.
void playForPlayer(HandContext& ctx) {
    connection::Connection& conn = ctx.conn;
    if (!ctx.table.g_bAutoPlay) {
        ++conn.TimeoutCount;
        if (conn.AutoPlayAfter > 0 && conn.TimeoutCount >= conn.AutoPlayAfter) {
            ctx.bossKey.Press(table::BossKeyFrom::TableSurface);
        }
    }
    if (ctx.hand.custom[0].sum <= 0) {
        return;
    }
    if (!ShowHint(ctx)) {
        QueuePass(ctx);
        return;
    }
    JudgeChuPai(ctx);
    if (ctx.hand.Oper_Flag && ctx.rules.LastPlayType != rules::PlayNone) {
        QueuePass(ctx);
    }
}

} // namespace

void ShowCountdownDigits(HandContext& ctx, int seconds) {
    ctx.form.Number.setCaption(QString::number(seconds));
    ctx.form.Number.setForeColor(seconds > kRedFrom ? table::kGreen : kRed);
}

void StartReadyCountdown(HandContext& ctx, int seconds) {
    ctx.conn.slots.arm(connection::kReadySlot);
    ctx.conn.CountDown = ctx.table.g_bHiddenPlay ? 1 : seconds;
    table::MainForm& form = ctx.form;
    form.Number.setCaption(QString::number(ctx.conn.CountDown));
    form.Number.setForeColor(0);
    form.Number.setVisible(true);
    form.Time_Img.setVisible(true);
    form.Time_Img.zOrder(0);
    form.Number.zOrder(0);
}

void ShowArmedSeatChange(HandContext& ctx) {
    connection::Connection& conn = ctx.conn;
    if (!conn.g_bSeatChangeArmed || !conn.g_bRandomSeats) {
        return;
    }
    table::ShowSeatChange(ctx.form, conn.ShufflePageUrl);
    conn.g_bSeatChangeShown = true;
    conn.g_bSeatChangeArmed = false;
}

void CallCountdown(HandContext& ctx) {
    connection::Connection& conn = ctx.conn;
    if (!ctx.hand.Oper1_Flag || !conn.g_bLoggedIn || conn.g_CallTicks < kCallStepTicks) {
        return;
    }
    if (conn.CountDown <= 0) {
        callForPlayer(ctx);
    } else {
        --conn.CountDown;
        ShowCountdownDigits(ctx, conn.CountDown);
    }
    conn.g_CallTicks = 0;
}

void TurnCountdown(HandContext& ctx) {
    connection::Connection& conn = ctx.conn;
    if (!conn.slots.BongFlag.at(connection::kTurnSlot) || !conn.g_bLoggedIn ||
        !secondDue(ctx, conn.TurnStepTime)) {
        return;
    }
    if (conn.CountDown > 0) {
        --conn.CountDown;
        ShowCountdownDigits(ctx, conn.CountDown);
        if (conn.CountDown <= kRedFrom && ctx.sound.g_bSoundOn) {
            ctx.sound.PlaySoundFile(ctx.sound.SoundFile.at(common::kWarningSound), false);
            ctx.sound.SetSoundVolume(common::kFullVolume);
        }
    } else {
        for (int k = 0; k < 3; ++k) {
            ctx.form.Operation(k).setVisible(false);
        }
        if (conn.g_bOwnCountdown) {
            playForPlayer(ctx);
        }
        ctx.hand.Oper_Flag = false;
        hideClock(ctx);
        conn.CountDown = conn.CountDownStart;
        conn.slots.BongFlag.at(connection::kTurnSlot) = false;
    }
    conn.slots.BongCount.at(connection::kTurnSlot) = 0;
}

void ReadyCountdown(HandContext& ctx) {
    connection::Connection& conn = ctx.conn;
    if (!conn.slots.BongFlag.at(connection::kReadySlot) || !conn.g_bLoggedIn ||
        !secondDue(ctx, conn.ReadyStepTime)) {
        return;
    }
    if (conn.CountDown > 0) {
        --conn.CountDown;
        ShowCountdownDigits(ctx, conn.CountDown);
    } else {
        hideClock(ctx);
        if (!conn.g_bTableReset) {
            common::LoadGifRes(
                static_cast<std::int16_t>(ctx.imageRes.AnNiuRes.at(kContinuePicture).toInt()),
                u"GIF"_s, ctx.form.AnNiu(2));
            ctx.table.AnNiuLocked[2] = true;
            ResetTable(ctx);
            ClearHandState(ctx);
            conn.g_bTableReset = true;
        }
        conn.chips->RefreshForced();
        connection::GameMessage ready;
        ready.setCommand(connection::MsgTableState);
        ready.setU8(connection::kSeatMaskByte, ctx.hand.custom[0].seat);
        ready.setU8(kReadyStateByte, 1);
        connection::QueueFrame(conn, ready);
        ShowArmedSeatChange(ctx);
        conn.slots.BongFlag.at(connection::kReadySlot) = false;
    }
    conn.slots.BongCount.at(connection::kReadySlot) = 0;
}

} // namespace qv::hand
