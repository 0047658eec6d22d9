#include "shop/register_shop.h"

#include "connection/commands.h"
#include "connection/connection.h"
#include "settlement/settlement_state.h"
#include "shop/bag.h"
#include "shop/chip_box.h"
#include "shop/jade_task.h"
#include "shop/notices.h"
#include "shop/own_prize.h"
#include "shop/prize_panel.h"
#include "shop/purchase.h"
#include "shop/reward_sequence.h"
#include "shop/shop_context.h"
#include "shop/winners.h"
#include "table/main_form.h"

namespace qv::shop {
namespace {

/// Runs `handler` on the shop while the table window is there.
template <typename Handler>
auto onShop(const std::function<ShopContext*()>& shop, Handler handler) {
    return [shop, handler](auto&&... args) {
        if (ShopContext* ctx = shop()) {
            handler(*ctx, std::forward<decltype(args)>(args)...);
        }
    };
}

template <typename Value>
void on(connection::Connection& conn, std::uint8_t command,
        std::optional<Value> (*decode)(const connection::GameMessage&),
        void (*apply)(ShopContext&, const Value&), const std::function<ShopContext*()>& shop) {
    conn.dispatcher.on(command, decode, onShop(shop, apply));
}

} // namespace

void RegisterShop(connection::Connection& conn, const std::function<ShopContext*()>& shop) {
    on(conn, connection::MsgBagList, DecodeBagList, MsgBagList, shop);
    on(conn, connection::MsgBagItem, DecodeBagItem, MsgBagItem, shop);
    on(conn, connection::MsgMarquee, DecodeMarquee, ApplyMarquee, shop);
    on(conn, connection::MsgPrizeList, DecodePrizeList, OnPrizeListMessage, shop);
    on(conn, connection::MsgNotice, DecodeNotice, ApplyNotice, shop);
    conn.pumpSteps.on(connection::PumpStep::Panels, onShop(shop, [](ShopContext& ctx) {
                          const ShopState& state = ctx.state;
                          // Each step sees the flags the one before it set in this tick.
                          if (state.MyPrizeRolling) {
                              StepMyPrizeAnimation(ctx);
                          }
                          if (state.JadeShowing) {
                              EndJadeReward(ctx);
                          }
                          if (ctx.sheet.ShowScoreAfter) {
                              PostGameSequence(ctx);
                          }
                          if (state.RewardFinishPending) {
                              FinishRewardDisplay(ctx);
                          }
                          if (state.PoolRolling) {
                              StepPrizePoolRoll(ctx);
                          }
                      }));
}

void WireShopControls(table::MainForm& form, const std::function<ShopContext*()>& shop) {
    const auto plain = [&shop](void (*handler)(ShopContext&)) {
        return onShop(shop, [handler](ShopContext& ctx, auto&&...) { handler(ctx); });
    };
    const auto key = [&shop](void (*handler)(ShopContext&, int)) {
        return onShop(shop,
                      [handler](ShopContext& ctx, int& keyCode, int) { handler(ctx, keyCode); });
    };
    const auto indexed = [&shop](void (*handler)(ShopContext&, int)) {
        return onShop(shop,
                      [handler](ShopContext& ctx, int index, auto&&...) { handler(ctx, index); });
    };

    form.Lb_prize.events.mouseMove = onShop(
        shop, [](ShopContext& ctx, int, int, int, double, double) { Lb_prize_MouseMove(ctx); });
    form.Pic_prize.events.mouseMove =
        onShop(shop, [](ShopContext& ctx, int, int, double x, double y) {
            Pic_prize_MouseMove(ctx, x, y);
        });

    form.Txt_chip.events.change = plain(Txt_chip_Change);
    form.Img_add_bt.events.click = plain(Img_add_bt_Click);
    form.Img_reduce_bt.events.click = plain(Img_reduce_bt_Click);
    form.Img_chip_bt.events.click = plain(Img_chip_bt_Click);
    form.Img_yan.events.click = plain(Img_yan_Click);
    form.Pic_chipinfo.events.keyDown = key(Pic_chipinfo_KeyDown);
    form.Img_add_bt.events.mouseMove = plain(Img_add_bt_MouseMove);
    form.Img_reduce_bt.events.mouseMove = plain(Img_reduce_bt_MouseMove);
    form.Img_chip_bt.events.mouseMove = plain(Img_chip_bt_MouseMove);
    form.Img_yan.events.mouseMove = plain(Img_yan_MouseMove);

    form.Img_buy_bt.events.click = plain(Img_buy_bt_Click);
    form.Txt_buy_num.events.change = plain(Txt_buy_num_Change);
    form.Txt_buy_num.events.keyPress = [](int& keyAscii) {
        Txt_buy_num_KeyPress(keyAscii);
    };
    form.Img_buy_add_bt.events.click = plain(Img_buy_add_bt_Click);
    form.Img_buy_reduce_bt.events.click = plain(Img_buy_reduce_bt_Click);
    form.Img_buy_buy_bt.events.click = plain(Img_buy_buy_bt_Click);
    form.Img_buy_close_bt.events.click = plain(Img_buy_close_bt_Click);
    form.Pic_buy.events.keyDown = key(Pic_buy_KeyDown);
    form.img_chzhi.events.click = indexed(img_chzhi_Click);
    form.img_chzhi.events.mouseMove = indexed(img_chzhi_MouseMove);
    form.Img_buy_bt.events.mouseMove = plain(Img_buy_bt_MouseMove);
    form.Img_buy_add_bt.events.mouseMove = plain(Img_buy_add_bt_MouseMove);
    form.Img_buy_reduce_bt.events.mouseMove = plain(Img_buy_reduce_bt_MouseMove);
    form.Img_buy_buy_bt.events.mouseMove = plain(Img_buy_buy_bt_MouseMove);
    form.Img_buy_close_bt.events.mouseMove = plain(Img_buy_close_bt_MouseMove);
    form.Pic_buy.events.mouseMove = plain(Pic_buy_MouseMove);

    form.ImgJadeExch.events.mouseMove = plain(ImgJadeExch_MouseMove);
    form.ImgJadeExch.events.mouseUp = plain(ImgJadeExch_MouseUp);

    form.bt_prizesort.events.click = plain(bt_prizesort_Click);
    form.bt_prizesort.events.mouseMove = plain(bt_prizesort_MouseMove);
    form.Pic_prizesort.events.keyDown = key(Pic_prizesort_KeyDown);
}

} // namespace qv::shop
