#pragma once

#include <cstdint>

namespace qv::shop {

struct ShopContext;

/// The most cigarettes one purchase may take: the whole number of prices the available money
/// covers, 1 to 1000.
[[nodiscard]] std::int32_t max_buy_num(const ShopContext& ctx);
/// Fills the purchase panel for one cigarette and shows it at (340, `top`).
void ShowPurchasePanel(ShopContext& ctx, int top);
/// The buy button of the prize bar: opens the panel when cigarettes have a price, or closes it.
void Img_buy_bt_Click(ShopContext& ctx);
/// The quantity box's text held within 1 and what may still be bought.
void Txt_buy_num_Change(ShopContext& ctx);
/// Only digits and backspace reach the quantity box.
void Txt_buy_num_KeyPress(int& keyAscii);
void Img_buy_add_bt_Click(ShopContext& ctx);
void Img_buy_reduce_bt_Click(ShopContext& ctx);
/// Buys at once between games, or adds to the order that goes out with the hand's result.
void Img_buy_buy_bt_Click(ShopContext& ctx);
void Img_buy_close_bt_Click(ShopContext& ctx);
void Pic_buy_KeyDown(ShopContext& ctx, int keyCode);
/// Opens a recharge page of the web site: 1 the net payment, 2 the other payment service.
void img_chzhi_Click(ShopContext& ctx, int index);
/// The hover looks of the panel's buttons, and the panel taking them back.
void Img_buy_bt_MouseMove(ShopContext& ctx);
void Img_buy_add_bt_MouseMove(ShopContext& ctx);
void Img_buy_reduce_bt_MouseMove(ShopContext& ctx);
void Img_buy_buy_bt_MouseMove(ShopContext& ctx);
void Img_buy_close_bt_MouseMove(ShopContext& ctx);
void img_chzhi_MouseMove(ShopContext& ctx, int index);
void Pic_buy_MouseMove(ShopContext& ctx);

} // namespace qv::shop
