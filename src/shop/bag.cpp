#include "shop/bag.h"

#include "common/vb_text.h"
#include "connection/connection.h"
#include "hand/hand_state.h"
#include "shop/chip_box.h"
#include "shop/goods_window.h"
#include "shop/prize_panel.h"
#include "shop/shop_context.h"
#include "shop/user_chips.h"
#include "table/main_form.h"

#include <algorithm>

namespace qv::shop {
namespace {

constexpr int kCountByte = 16;
constexpr int kFirstItemByte = 17;
constexpr int kItemBytes = 6;
constexpr int kLastItemByte = 271;
constexpr int kUpdateByte = 16;

std::optional<BagItem> readItem(const connection::GameMessage& msg, int at) {
    const std::uint32_t count = msg.u32le(at + 2);
    if (count > 0x7FFFFFFFU) {
        return std::nullopt;
    }
    return BagItem{msg.u16le(at), static_cast<std::int32_t>(count)};
}

void showCigarettes(ShopContext& ctx, std::int32_t count) {
    ctx.form.Lb_mysmoke.setCaption(QString::number(count));
}

void showBankButton(table::MainForm& form) {
    if (form.Bank.visible() && form.Bank.enabled()) {
        return;
    }
    form.Bank.setEnabled(true);
    form.Bank.setVisible(true);
    form.Bank.zOrder(0);
}

} // namespace

std::optional<BagList> DecodeBagList(const connection::GameMessage& msg) {
    BagList list;
    const int count = msg.u8(kCountByte);
    for (int i = 0; i < count; ++i) {
        const int at = kFirstItemByte + kItemBytes * i;
        if (at + kItemBytes - 1 > kLastItemByte) {
            break;
        }
        if (const auto item = readItem(msg, at)) {
            list.items.push_back(*item);
        }
    }
    return list;
}

std::optional<BagUpdate> DecodeBagItem(const connection::GameMessage& msg) {
    const auto item = readItem(msg, kUpdateByte);
    if (!item) {
        return std::nullopt;
    }
    return BagUpdate{*item};
}

void TakeBagList(Goods& goods, const std::vector<BagItem>& items) {
    goods.MyGoods.assign(1, GoodsEntry{});
    for (const BagItem& item : items) {
        goods.MyGoods.push_back({item.id, item.count, CatalogueIndex(goods, item.id)});
    }
}

void TakeBagItem(Goods& goods, const BagItem& item) {
    auto& bag = goods.MyGoods;
    const auto found = std::find_if(bag.begin() + 1, bag.end(),
                                    [&item](const GoodsEntry& e) { return e.id == item.id; });
    if (found != bag.end()) {
        if (item.count == 0) {
            bag.erase(found);
        } else {
            found->count = item.count;
        }
        return;
    }
    if (item.count > 0) {
        bag.push_back({item.id, item.count, CatalogueIndex(goods, item.id)});
    }
}

void BagAndMatchReset::initMatchData() {
    match_.initMatchData();
    goods_.MyGoods.assign(1, GoodsEntry{});
    goods_.MyGoodsShow.assign(1, GoodsEntry{});
}

void MsgBagList(ShopContext& ctx, const BagList& list) {
    Goods& goods = ctx.state.goods;
    TakeBagList(goods, list.items);
    showBankButton(ctx.form);
    BuildBagSlots(goods);
    ShowCurrentGoodsPage(ctx.forms);
    showCigarettes(ctx, GetGoodsCount(goods, kCigarettes));
    RefreshChip(ctx, false);
    Send95(ctx);
}

void MsgBagItem(ShopContext& ctx, const BagUpdate& update) {
    Goods& goods = ctx.state.goods;
    const bool cigarettes = update.item.id == kCigarettes;
    const std::int32_t old = GetGoodsCount(goods, kCigarettes);
    TakeBagItem(goods, update.item);
    BuildBagSlots(goods);
    ShowCurrentGoodsPage(ctx.forms);
    if (!cigarettes) {
        return;
    }
    const std::int32_t saved = LoadUserChip(UserInfoPath(ctx), ctx.conn.hand.custom[0].name);
    const std::int32_t now = GetGoodsCount(goods, kCigarettes);
    const double chips = leadingNumber(ctx.form.Txt_chip.text());
    if ((old > now && chips > now) || (old < now && chips != saved)) {
        RefreshChip(ctx, false);
    }
    if (old > now) {
        ctx.state.isUpdateChipNum = true;
    }
    showCigarettes(ctx, now);
}

} // namespace qv::shop
