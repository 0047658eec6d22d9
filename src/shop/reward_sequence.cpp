#include "shop/reward_sequence.h"

#include "connection/commands.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "hand/hand_state.h"
#include "platform/services.h"
#include "settlement/score_window.h"
#include "settlement/settlement_state.h"
#include "shop/jade_task.h"
#include "shop/own_prize.h"
#include "shop/shop_context.h"
#include "table/main_form.h"
#include "table/table_state.h"

#include <algorithm>

namespace qv::shop {
namespace {

constexpr std::uint32_t kJadeShownMs = 5000;
constexpr std::uint32_t kSheetAfterMs = 2000;
constexpr std::uint32_t kRewardStepMs = 2000;
/// A longer jade text shows its rightmost digits.
constexpr int kMaxJadeDigits = 10;
constexpr int kJadeDigitWidth = 22;
constexpr int kJadeDigitHeight = 29;
constexpr int kJadeInterval = 200;
constexpr int kReadyStateByte = 15;

std::uint32_t now(const ShopContext& ctx) {
    return ctx.conn.services.time.tickMs();
}

/// Unsigned, so the tick's wrap does not matter.
std::uint32_t since(const ShopContext& ctx, std::uint32_t then) {
    return now(ctx) - then;
}

/// Where digit `j` of `count` stands right of the frame's left edge, in design pixels.
int jadeDigitOffset(int count, int j) {
    switch (count) {
    case 1:
        return 190;
    case 2:
        return 180 + 20 * j;
    case 3:
        return 170 + 20 * j;
    case 4:
        return 160 + 20 * j;
    default:
        return 140 + 16 * j;
    }
}

/// The jade amount on the sprites in use, right-aligned on the last; what does not fit shows
/// its rightmost digits.
void showJadeDigits(ShopContext& ctx) {
    table::MainForm& form = ctx.form;
    const int last = ctx.state.JadeDigitCount - 1;
    const QString amount = ctx.state.JadeRewardText.right(last + 1);
    for (controls::APNG* digit : form.APNG_JadeNum.elements()) {
        digit->Pause();
        digit->setVisible(false);
    }
    for (int k = 0; k < amount.size(); ++k) {
        controls::APNG& digit = form.APNG_JadeNum(last - k);
        digit.Pause(DigitFrame(amount.at(amount.size() - 1 - k)));
        digit.setVisible(true);
        digit.zOrder(0);
    }
}

void queueReady(ShopContext& ctx) {
    connection::GameMessage ready;
    ready.setCommand(connection::MsgTableState);
    ready.setU8(connection::kSeatMaskByte, ctx.conn.hand.custom[0].seat);
    ready.setU8(kReadyStateByte, 1);
    connection::QueueFrame(ctx.conn, ready);
}

} // namespace

void ShowJadeReward(ShopContext& ctx) {
    ShopState& state = ctx.state;
    table::MainForm& form = ctx.form;
    const float scale = ctx.conn.table.ScaleX;
    form.APNG_Jadefinish.Start(-1, kJadeInterval);
    form.APNG_Jadefinish.setVisible(true);
    form.APNG_Jadefinish.zOrder(0);
    form.APNG_JadeKuang.setVisible(true);
    form.APNG_JadeKuang.zOrder(0);

    const int count = std::min<int>(static_cast<int>(state.JadeRewardText.size()), kMaxJadeDigits);
    state.JadeDigitCount = std::max(count, 1);
    for (int j = 1; j < count; ++j) {
        if (!form.APNG_JadeNum.exists(j)) {
            controls::APNG& digit = form.APNG_JadeNum.load(j);
            digit.LoadAnimation(kJadeDigitSheet, 0, 0, 1, 10);
            digit.Pause();
            digit.setVisible(false);
            digit.setWidth(kJadeDigitWidth);
            digit.setHeight(kJadeDigitHeight);
        }
    }
    const controls::APNG& frame = form.APNG_JadeKuang;
    for (int j = 0; j < count; ++j) {
        controls::APNG& digit = form.APNG_JadeNum(j);
        digit.setTop(frame.top() + 30 * scale);
        digit.setLeft(frame.left() + jadeDigitOffset(count, j) * scale);
        digit.zOrder(0);
    }
    showJadeDigits(ctx);

    state.JadeShowTime = now(ctx);
    state.JadeShowing = true;
    state.JadeRewardPending = true;
}

void EndJadeReward(ShopContext& ctx) {
    ShopState& state = ctx.state;
    if (since(ctx, state.JadeShowTime) < kJadeShownMs) {
        return;
    }
    HideJadeDisplay(ctx);
    if (state.MyPrizePending) {
        StartMyPrizeAnimation(ctx);
    } else if (ctx.sheet.ShowScoreAfter) {
        ShowScoreWindow(ctx);
    }
    state.JadeRewardPending = false;
}

void PostGameSequence(ShopContext& ctx) {
    ShopState& state = ctx.state;
    if (since(ctx, ctx.sheet.ResultShowTime) <= kSheetAfterMs) {
        return;
    }
    if (!ctx.form.APNG_prize.visible() && state.MyPrizePending && !state.JadeRewardPending) {
        StartMyPrizeAnimation(ctx);
        HideJadeDisplay(ctx);
        return;
    }
    if (state.JadeRewardPending || state.MyPrizePending || state.RewardFinishPending) {
        return;
    }
    HideMyPrize(ctx);
    ShowScoreWindow(ctx);
}

void ShowRewardDigits(ShopContext& ctx) {
    ShopState& state = ctx.state;
    const std::uint32_t pressed = now(ctx);
    if (state.JadeRewardPending) {
        showJadeDigits(ctx);
        state.JadeRewardPending = false;
    } else if (state.MyPrizePending) {
        ShowFinalPrizeDigits(ctx);
        state.MyPrizePending = false;
    }
    state.RewardFinishPending = true;
    state.RewardStepTime = pressed;
}

void FinishRewardDisplay(ShopContext& ctx) {
    ShopState& state = ctx.state;
    const std::uint32_t entered = now(ctx);
    if (entered - state.RewardStepTime < kRewardStepMs) {
        return;
    }
    if (state.MyPrizePending) {
        HideJadeDisplay(ctx);
        ShowFinalPrizeDigits(ctx);
        state.MyPrizePending = false;
    } else if (ctx.sheet.ShowScoreAfter) {
        HideMyPrize(ctx);
        ShowScoreWindow(ctx);
    } else {
        HideJadeDisplay(ctx);
        HideMyPrize(ctx);
        state.RewardFinishPending = false;
        queueReady(ctx);
        return;
    }
    state.RewardStepTime = entered;
}

void HideJadeDisplay(ShopContext& ctx) {
    table::MainForm& form = ctx.form;
    form.APNG_Jadefinish.Pause();
    form.APNG_Jadefinish.setVisible(false);
    form.APNG_JadeKuang.Pause();
    form.APNG_JadeKuang.setVisible(false);
    for (controls::APNG* digit : form.APNG_JadeNum.elements()) {
        digit->Pause();
        digit->setVisible(false);
    }
    ctx.state.JadeShowing = false;
    HideJadeTask(ctx);
}

void ShowScoreWindow(ShopContext& ctx) {
    const table::MainForm& table = ctx.form;
    settlement::Score& score = ctx.forms.get<settlement::Score>();
    score.setLeft(table.left() + (table.width() - score.width()) / 2);
    score.setTop(table.top() + (table.height() - score.height()) / 2);
    score.setVisible(true);
    score.show();
    ctx.sheet.ShowScoreAfter = false;
}

void TableRewards::ShowRewardDigits() {
    if (ShopContext* ctx = shop_()) {
        shop::ShowRewardDigits(*ctx);
    }
}

} // namespace qv::shop
