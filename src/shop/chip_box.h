#pragma once

#include "shop/chips.h"
#include "shop/shop_state.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace qv::shop {

struct ShopContext;

/// The room's chip cap from the room key of the player's seat and the configuration's room-chip
/// table, into `RoomChipCap`.
void GetRoomChipNum(ShopContext& ctx);
/// The chip box's text held within the room's cap and the cigarettes owned; reaching the
/// cigarettes owned offers the purchase when cigarettes have a price.
void Txt_chip_Change(ShopContext& ctx);
void Img_add_bt_Click(ShopContext& ctx);
void Img_reduce_bt_Click(ShopContext& ctx);
/// Sends and saves the setting, once per hand.
void Img_chip_bt_Click(ShopContext& ctx);
/// Puts the saved setting, within the cigarettes owned, in the box and sends it when it changed
/// or when `force` is set.
void RefreshChip(ShopContext& ctx, bool force);
void Img_yan_Click(ShopContext& ctx);
/// The path of `userinfo.ini`.
[[nodiscard]] QString UserInfoPath(const ShopContext& ctx);
void Pic_chipinfo_KeyDown(ShopContext& ctx, int keyCode);
/// The hover looks of the chip box's buttons.
void Img_add_bt_MouseMove(ShopContext& ctx);
void Img_reduce_bt_MouseMove(ShopContext& ctx);
void Img_chip_bt_MouseMove(ShopContext& ctx);
void Img_yan_MouseMove(ShopContext& ctx);

/// The chip setting on the table window, while the window is there.
class TableChips final : public Chips {
public:
    TableChips(ShopState& state, std::function<ShopContext*()> shop)
        : state_(state), shop_(std::move(shop)) {}

    void RefreshChip(bool force) override;
    void RefreshForced() override;

private:
    ShopState& state_;
    std::function<ShopContext*()> shop_;
};

} // namespace qv::shop
