#include "hand/play_made_branch.h"

#include "common/picture_resources.h"
#include "connection/connection.h"
#include "connection/player_seated.h"
#include "hand/bomb_log.h"
#include "hand/hand_context.h"
#include "hand/play_received.h"
#include "hand/played_images.h"
#include "table/banker_mark.h"
#include "table/design_style.h"
#include "table/main_form.h"

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

constexpr int kPauseMs = 2000;
constexpr int kDefaultTurnSeconds = 20;
constexpr double kButtonTop = 470;
constexpr std::array<int, 4> kPassBubble = {0, 235, 235, 238};
constexpr std::array<int, 4> kJieFengBubble = {0, 365, 366, 367};

void showBubble(HandContext& ctx, int seat, int picture) {
    forms::Image& bubble = ctx.form.Speak(seat);
    common::LoadGifRes(static_cast<std::int16_t>(picture), u"GIF"_s, bubble);
    bubble.setVisible(true);
    bubble.zOrder(0);
}

void takeControlsAway(HandContext& ctx) {
    ctx.form.btnJiaopai(0).setVisible(false);
    ctx.form.btnJiaopai(0).setEnabled(false);
    for (int k = 0; k < 3; ++k) {
        ctx.form.Operation(k).setVisible(false);
        ctx.form.Operation(k).setEnabled(false);
    }
    ctx.conn.slots.disarm(connection::kReadySlot);
    ctx.conn.slots.disarm(connection::kTurnSlot);
    ctx.conn.g_bOwnCountdown = false;
    ctx.hand.g_bMyTurn = false;
    ctx.hand.Oper_Flag = false;
}

void showButton(HandContext& ctx, int k, double left) {
    forms::Image& button = ctx.form.Operation(k);
    button.move(left, kButtonTop * ctx.table.ScaleX);
    button.setEnabled(true);
    button.zOrder(0);
    button.setVisible(true);
}

/// The player moves next: his last play leaves the table and the play buttons come.
void openOwnTurn(HandContext& ctx, const connection::PlayMade& play) {
    RetirePlayed(ctx, 0);
    if (play.trickOver()) {
        ctx.rules.LastPlayType = rules::PlayNone;
    }
    if (play.trickState < connection::kTrickOverAfterPause) {
        const double centre = ctx.form.Pic1.width() / table::kTwipsPerPixel / 2;
        const auto width = [&ctx](int k) {
            return ctx.form.Operation(k).width();
        };
        if (play.trickState == connection::kTrickOver) {
            showButton(ctx, 1, centre + 0.2 * width(1));
            showButton(ctx, 0, centre - 1.2 * width(0));
        } else {
            showButton(ctx, 2, centre + 0.8 * width(2));
            showButton(ctx, 1, centre - 0.5 * width(1));
            showButton(ctx, 0, centre - 1.8 * width(0));
        }
        ctx.hints.g_PromptCount = 0;
        ctx.hints.g_PromptIndex = 0;
        ctx.hints.g_bPromptReady = false;
    }
}

void moveClock(HandContext& ctx, int seat) {
    table::PlaceClock(ctx.form, seat);
    if (seat == 0) {
        ctx.form.Time_Img.zOrder(0);
        ctx.form.Number.zOrder(0);
        ctx.conn.g_bOwnCountdown = true;
        ctx.hand.g_bMyTurn = true;
        ctx.hand.Oper_Flag = true;
        ctx.conn.slots.BongFlag.at(connection::kTurnSlot) = true;
    }
}

/// A pass that ends the trick for the seat whose bomb is the log's last moves the log to it.
void settleAfterPass(HandContext& ctx, const connection::PlayMade& play, int next) {
    if (play.trickState == connection::kTrickOver && LastBomber(ctx.hand.BombLog) == next) {
        MoveBombLog(ctx.hand.BombLog, ctx.hand.BombTable);
    }
}

} // namespace

void OnPlayMade(HandContext& ctx, const connection::PlayMade& play) {
    takeControlsAway(ctx);
    if (play.trickState == connection::kTrickOverAfterPause) {
        ctx.services.time.wait(kPauseMs);
    }
    for (int s = 0; s < 4; ++s) {
        ctx.form.Speak(s).setVisible(false);
    }
    ++ctx.conn.g_TurnCount;
    const std::uint8_t own = ctx.hand.custom[0].seat;
    const int mover = connection::DisplaySeat(play.mover, own);
    if (play.trickOver()) {
        for (int s = 0; s < 4; ++s) {
            HidePlayed(ctx, s, ctx.hand.PlayedImg.at(static_cast<std::size_t>(s)));
        }
    }
    if (play.pass()) {
        HidePlayed(ctx, mover, ctx.hand.PlayedImg.at(static_cast<std::size_t>(mover)));
        if (ctx.conn.g_TurnCount != 1 && mover != 0) {
            showBubble(ctx, mover, kPassBubble.at(static_cast<std::size_t>(mover)));
        }
    }
    if (play.next == own) {
        openOwnTurn(ctx, play);
    }
    const int next = connection::DisplaySeat(play.nextSeatBits(), own);
    if (play.jieFeng) {
        ctx.form.Speak(next).setVisible(false);
        if (next != 0) {
            showBubble(ctx, next, kJieFengBubble.at(static_cast<std::size_t>(next)));
        }
        ctx.services.time.wait(kPauseMs);
    }
    moveClock(ctx, next);
    if (!play.pass()) {
        OnPlayReceived(ctx, play);
    } else {
        settleAfterPass(ctx, play, next);
    }
    if (play.next == own) {
        ctx.conn.TurnToken = play.turnToken;
    }
    ctx.conn.slots.arm(connection::kTurnSlot);
    ctx.conn.CountDown = ctx.table.g_bHiddenPlay ? 1
                         : play.turnSeconds < 2  ? kDefaultTurnSeconds
                                                 : play.turnSeconds;
    ctx.form.Number.setCaption(QString::number(ctx.conn.CountDown));
    ctx.form.Number.setForeColor(table::kGreen);
    ctx.form.Number.setVisible(true);
    ctx.form.Time_Img.setVisible(true);
    ctx.form.Time_Img.zOrder(0);
    ctx.form.Number.zOrder(0);
    if (play.freeLead()) {
        ctx.rules.LastPlayType = rules::PlayNone;
    }
}

} // namespace qv::hand
