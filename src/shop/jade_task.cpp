#include "shop/jade_task.h"

#include "common/picture_resources.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "platform/services.h"
#include "settlement/settlement_state.h"
#include "shop/exchange_window.h"
#include "shop/shop_context.h"
#include "table/main_form.h"
#include "table/table_state.h"

#include <QDir>

namespace qv::shop {
namespace {

constexpr int kJadeSheet = 803;
constexpr int kJadeFrameSheet = 805;
constexpr int kIdleInterval = 100;
constexpr std::int16_t kExchangeHoverPicture = 1561;

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
    LoadJadeTaskXml(
        state.jadeTasks,
        QDir(ctx.conn.services.appFolder.path()).filePath(QStringLiteral("jadetask.xml")));
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

void ImgJadeExch_MouseMove(ShopContext& ctx) {
    forms::Image& button = ctx.form.ImgJadeExch;
    if (button.tag() != u"1"_s) {
        button.setTag(u"1"_s);
        common::LoadGifRes(kExchangeHoverPicture, u"GIF"_s, button);
    }
}

void ImgJadeExch_MouseUp(ShopContext& ctx) {
    const bool made = ctx.forms.find<exchangeFrm>() != nullptr;
    exchangeFrm& window = ctx.forms.get<exchangeFrm>();
    if (!made) {
        window.LayoutExchangeForm();
    }
    if (window.visible()) {
        window.hide();
        return;
    }
    const table::MainForm& table = ctx.form;
    window.setTop(table.top() + (table.height() - window.height()) / 2);
    window.setLeft(table.left() + (table.width() - window.width()) / 2);
    window.setVisible(true);
}

} // namespace qv::shop
