#include "shop/jade_task.h"

#include "connection/connection.h"
#include "settlement/settlement_state.h"
#include "shop/shop_context.h"
#include "table/main_form.h"
#include "table/table_state.h"

namespace qv::shop {
namespace {

constexpr int kJadeSheet = 803;
constexpr int kJadeFrameSheet = 805;
constexpr int kJadeDigitSheet = 804;
constexpr int kIdleInterval = 100;

void layOutSprites(ShopContext& ctx) {
    table::MainForm& form = ctx.form;
    const float sx = ctx.conn.table.ScaleX;
    const float sy = ctx.conn.table.ScaleY;

    controls::APNG& jade = form.APNG_Jadefinish;
    jade.LoadAnimation(kJadeSheet, 0, 0, 4, 4);
    jade.Pause();
    jade.setVisible(false);
    jade.setWidth(350 * sy);
    jade.setHeight(350 * sy);
    jade.setLeft(340 * sx);
    jade.setTop(171 * sy);
    jade.zOrder(0);
    jade.Start(-1, kIdleInterval);

    controls::APNG& frame = form.APNG_JadeKuang;
    frame.LoadAnimation(kJadeFrameSheet, 0, 0, 1, 1);
    frame.Pause();
    frame.setVisible(false);
    frame.setWidth(418);
    frame.setHeight(86);
    frame.setLeft(jade.left() - 30 * sx);
    frame.setTop(jade.top() + jade.height() - 50 * sx);
    frame.zOrder(1);
    frame.Start(-1, kIdleInterval);

    controls::APNG& digit = form.APNG_JadeNum(0);
    digit.LoadAnimation(kJadeDigitSheet, 0, 0, 1, 10);
    digit.Pause();
    digit.setVisible(false);
    digit.setWidth(22);
    digit.setHeight(29);
    digit.setLeft(frame.left() + 134 * sx);
    digit.setTop(frame.top() + 30 * sx);
    digit.zOrder(0);
}

} // namespace

void InitJadeTask(ShopContext& ctx) {
    ShopState& state = ctx.state;
    state.JadeShowTime = 0;
    state.JadeShowing = false;
    table::MainForm& form = ctx.form;
    form.Pic_Jadetask.setLeft(680 * ctx.conn.table.ScaleX);
    form.Pic_Jadetask.setTop(88 * ctx.conn.table.ScaleY);
    form.Pic_Jadetask.setWidth(200);
    form.Pic_Jadetask.setHeight(70);
    layOutSprites(ctx);
    HideJadeTask(ctx);
    ctx.sheet.ShowScoreAfter = false;
    state.MyPrizePending = false;
    state.JadeRewardPending = false;
    // A press at the last table must not ready the player at the next one.
    state.RewardFinishPending = false;
}

void HideJadeTask(ShopContext& ctx) {
    ctx.form.Pic_Jadetask.setVisible(false);
}

} // namespace qv::shop
