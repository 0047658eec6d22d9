#include "hand/play_input.h"

#include "common/picture_resources.h"
#include "connection/connection.h"
#include "forms/events.h"
#include "forms/form_host.h"
#include "hand/effect_sound.h"
#include "hand/hand_context.h"
#include "hand/hand_records.h"
#include "hand/hand_selection.h"
#include "hand/hints_shown.h"
#include "hand/own_finish.h"
#include "hand/own_play.h"
#include "hand/partner_call.h"
#include "hand/played_images.h"
#include "table/main_form.h"

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

constexpr int kPlay = 0;
constexpr int kHint = 1;
constexpr int kPass = 2;
constexpr int kPreviousTrick = 4;
constexpr int kPreviousTrickMs = 3000;

void loadPicture(const QString& id, forms::Image& image) {
    common::LoadGifRes(static_cast<std::int16_t>(id.toInt()), u"GIF"_s, image);
}

void pass(HandContext& ctx) {
    PlayEffect(ctx, ProgramPath(ctx, u"/../common/pk/sys080.wav"_s));
    QueuePass(ctx);
    ctx.conn.slots.BongFlag.at(connection::kTurnSlot) = false;
    ctx.form.Number.setVisible(false);
    ctx.form.Time_Img.setVisible(false);
    ctx.hand.g_bMyTurn = false;
    for (int i = kPlay; i <= kPass; ++i) {
        ctx.form.Operation(i).setVisible(false);
    }
    LowerRaisedCards(ctx);
    for (int i = kPlay; i <= kPass; ++i) {
        forms::Image& button = ctx.form.Operation(i);
        button.setEnabled(false);
        loadPicture(ctx.imageRes.OperationRes.at(static_cast<std::size_t>(3 * i)), button);
    }
}

void showPreviousTrick(HandContext& ctx) {
    if (!ctx.conn.g_bInGame || !ctx.hand.g_bPrevTrickReady) {
        return;
    }
    ctx.hand.g_bPrevTrickReady = false;
    for (int s = 0; s < 4; ++s) {
        HidePlayed(ctx, s, ctx.hand.PlayedImg.at(static_cast<std::size_t>(s)));
        ShowPlayed(ctx, s, ctx.hand.PrevPlayedImg.at(static_cast<std::size_t>(s)));
    }
    ctx.form.Timerformer.setInterval(kPreviousTrickMs);
    ctx.form.Timerformer.setEnabled(true);
}

} // namespace

void cardImage0_MouseDown(HandContext& ctx, int index, int button) {
    if (button == forms::mouse::kRight) {
        if (ctx.hand.g_bMyTurn && ctx.hand.Oper_Flag && ctx.conn.g_bLoggedIn) {
            ctx.conn.TimeoutCount = 0;
            JudgeChuPai(ctx);
        }
        return;
    }
    if (button != forms::mouse::kLeft || !HandHasImage(ctx.hand.custom[0], index)) {
        return;
    }
    forms::Image& card = ctx.form.cardImage0(index);
    if (IsRaisedImage(ctx, card)) {
        card.setTop(ctx.hand.g_HandBaseTop);
        PlayEffect(ctx, ProgramPath(ctx, u"/../common/pk/sys030.wav"_s));
    } else {
        const PlayerInfo& own = ctx.hand.custom[0];
        for (int slot = 0; slot < own.sum; ++slot) {
            if (own.pai.at(static_cast<std::size_t>(slot)).Ind == index) {
                RaiseHandCard(ctx, slot);
            }
        }
        PlayEffect(ctx, ProgramPath(ctx, u"/../common/pk/sys020.wav"_s));
    }
}

void Operation_Click(HandContext& ctx, int index) {
    if (!ctx.conn.g_bLoggedIn) {
        return;
    }
    if (index == kPass) {
        ctx.conn.CountDown = ctx.conn.CountDownStart;
        ctx.conn.slots.BongFlag.at(connection::kTurnSlot) = false;
        ctx.form.Number.setVisible(false);
        ctx.form.Time_Img.setVisible(false);
    }
    HideChuPai(ctx);
    if (index <= kPass) {
        if (!ctx.hand.Oper_Flag) {
            return;
        }
        ctx.conn.TimeoutCount = 0;
    }
    switch (index) {
    case kPlay:
        JudgeChuPai(ctx);
        break;
    case kHint:
        PressHint(ctx);
        break;
    case kPass:
        pass(ctx);
        break;
    case kPreviousTrick:
        showPreviousTrick(ctx);
        break;
    default:
        break;
    }
}

void btnJiaopai_Click(HandContext& ctx) {
    if (ctx.conn.g_bLoggedIn) {
        CallCard(ctx);
    }
}

void Timerformer_Timer(HandContext& ctx) {
    ctx.form.Timerformer.setEnabled(false);
    for (int s = 0; s < 4; ++s) {
        HidePlayed(ctx, s, ctx.hand.PrevPlayedImg.at(static_cast<std::size_t>(s)));
        ShowPlayed(ctx, s, ctx.hand.PlayedImg.at(static_cast<std::size_t>(s)));
    }
    ctx.hand.g_bPrevTrickReady = true;
}

void InstallPlayInput(table::MainForm& form, std::function<HandContext*()> hand) {
    const auto with = [hand](auto step) {
        return [hand, step](auto... args) {
            if (HandContext* ctx = hand()) {
                step(*ctx, args...);
            }
        };
    };
    form.cardImage0.events.mouseDown =
        with([](HandContext& ctx, int index, int button, int, double, double) {
            cardImage0_MouseDown(ctx, index, button);
        });
    form.Operation.events.click =
        with([](HandContext& ctx, int index) { Operation_Click(ctx, index); });
    form.btnJiaopai.events.click = with([](HandContext& ctx, int) { btnJiaopai_Click(ctx); });
    form.Timerformer.events.timer = with([](HandContext& ctx) { Timerformer_Timer(ctx); });
    form.resizeHooks.endAutoPlay = with([](HandContext& ctx) {
        ctx.table.g_bAutoPlay = false;
        ctx.conn.CountDownStart = ctx.conn.TurnTime;
        ctx.conn.TimeoutCount = 0;
    });
}

} // namespace qv::hand
