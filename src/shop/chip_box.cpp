#include "shop/chip_box.h"

#include "common/picture_resources.h"
#include "common/vb_text.h"
#include "connection/connection.h"
#include "hand/hand_state.h"
#include "platform/app_folder.h"
#include "platform/services.h"
#include "shop/button_hover.h"
#include "shop/number_text.h"
#include "shop/purchase.h"
#include "shop/shop_context.h"
#include "shop/user_chips.h"
#include "table/main_form.h"

#include <QDir>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

constexpr std::uint8_t kChipSetting = 3;
constexpr double kRoomKeyUnit = 65536;
constexpr double kRoomKeys = 256;
constexpr std::int32_t kCapWithoutTable = 99;
constexpr int kPurchaseTopFromChips = 300;

double boxValue(const forms::TextBox& box) {
    return leadingNumber(box.text());
}

std::int32_t cigarettes(const ShopContext& ctx) {
    return GetGoodsCount(ctx.state.goods, kCigarettes);
}

void ensureCap(ShopContext& ctx) {
    if (ctx.state.RoomChipCap < 1) {
        GetRoomChipNum(ctx);
    }
}

} // namespace

void GetRoomChipNum(ShopContext& ctx) {
    std::int32_t& cap = ctx.state.RoomChipCap;
    cap = 0;
    const double roomInfo = ctx.conn.Detail[0].roomInfo;
    const double key = std::fmod(std::nearbyint(roomInfo / kRoomKeyUnit), kRoomKeys);
    const auto& rooms = ctx.conn.match.RoomChips;
    if (key == 0 || rooms.empty()) {
        cap = kCapWithoutTable;
    }
    const auto keyed =
        std::find_if(rooms.begin(), rooms.end(), [key](const match::SortEntry& room) {
            return leadingNumber(room.text) == key;
        });
    if (keyed != rooms.end()) {
        cap = keyed->value;
    }
    if (cap >= 1) {
        return;
    }
    const auto other = std::find_if(rooms.begin(), rooms.end(), [](const match::SortEntry& room) {
        return room.text == u"other"_s;
    });
    if (other != rooms.end()) {
        cap = other->value;
    }
}

void Txt_chip_Change(ShopContext& ctx) {
    forms::TextBox& box = ctx.form.Txt_chip;
    const std::int32_t count = cigarettes(ctx);
    QString text = box.text();
    if (!text.isEmpty()) {
        text = WholeText(leadingNumber(text));
    }
    double value = leadingNumber(text);
    if (value < 0) {
        value = 1;
        text = u"1"_s;
    }
    ensureCap(ctx);
    if (value > ctx.state.RoomChipCap) {
        value = ctx.state.RoomChipCap;
        text = QString::number(ctx.state.RoomChipCap);
    }
    if (value >= count) {
        if (GetGoodsPrice(ctx.state.goods, kCigarettes) > 0) {
            ShowPurchasePanel(ctx, kPurchaseTopFromChips);
        }
        text = QString::number(count);
    }
    box.setText(text);
}

void Img_add_bt_Click(ShopContext& ctx) {
    ensureCap(ctx);
    const double value = boxValue(ctx.form.Txt_chip);
    if (value <= ctx.state.RoomChipCap) {
        ctx.form.Txt_chip.setText(WholeText(value + 1));
    }
}

void Img_reduce_bt_Click(ShopContext& ctx) {
    const double value = boxValue(ctx.form.Txt_chip);
    if (value > 1) {
        ctx.form.Txt_chip.setText(WholeText(value - 1));
    }
}

void Img_chip_bt_Click(ShopContext& ctx) {
    ensureCap(ctx);
    const double value = boxValue(ctx.form.Txt_chip);
    if (value <= 0 || value > ctx.state.RoomChipCap || value > cigarettes(ctx)) {
        return;
    }
    const auto chips = static_cast<std::int32_t>(value);
    connection::Send93(ctx.conn, kChipSetting, kCigarettes, chips);
    forms::Image& button = ctx.form.Img_chip_bt;
    button.setEnabled(false);
    common::LoadGifRes(1654, u"GIF"_s, button);
    button.setTag(u"2"_s);
    SaveUserChip(UserInfoPath(ctx), ctx.conn.hand.custom[0].name, chips);
}

void RefreshChip(ShopContext& ctx, bool force) {
    forms::TextBox& box = ctx.form.Txt_chip;
    const std::int32_t saved = LoadUserChip(UserInfoPath(ctx), ctx.conn.hand.custom[0].name);
    const std::int32_t count = cigarettes(ctx);
    const double old = boxValue(box);
    if (count <= 0) {
        box.setText(u"0"_s);
    } else {
        box.setText(saved > count ? u"1"_s : QString::number(saved));
    }
    const double value = boxValue(box);
    if (value > 0 && (value != old || force)) {
        connection::Send93(ctx.conn, kChipSetting, kCigarettes, static_cast<std::int32_t>(value));
    }
}

void Img_yan_Click(ShopContext& ctx) {
    forms::PictureBox& box = ctx.form.Pic_chipinfo;
    if (box.visible()) {
        box.setVisible(false);
        return;
    }
    ctx.form.lb_chipinfo.setCaption({});
    box.setVisible(true);
    box.zOrder(0);
    box.setTag(u"0"_s);
}

void Pic_chipinfo_KeyDown(ShopContext& ctx, int keyCode) {
    if (keyCode == forms::key::kEscape && ctx.form.Pic_chipinfo.visible()) {
        ctx.form.Pic_chipinfo.setVisible(false);
    }
}

void Img_add_bt_MouseMove(ShopContext& ctx) {
    if (ctx.form.Img_add_bt.tag() != u"1"_s) {
        ShowHover(ctx.form.Img_add_bt, 1649);
    }
}

void Img_reduce_bt_MouseMove(ShopContext& ctx) {
    if (ctx.form.Img_reduce_bt.tag() != u"1"_s) {
        ShowHover(ctx.form.Img_reduce_bt, 1651);
    }
}

void Img_chip_bt_MouseMove(ShopContext& ctx) {
    if (ctx.form.Img_chip_bt.enabled() && ctx.form.Img_chip_bt.tag() == u"0"_s) {
        ShowHover(ctx.form.Img_chip_bt, 1653);
    }
}

void Img_yan_MouseMove(ShopContext& ctx) {
    if (ctx.form.Img_yan.tag() != u"1"_s) {
        ctx.form.Img_yan.setTag(u"1"_s);
        common::LoadGifResCopy(580, u"GIF"_s, ctx.form.Img_yan);
    }
}

QString UserInfoPath(const ShopContext& ctx) {
    return QDir(ctx.conn.services.appFolder.path()).filePath(u"userinfo.ini"_s);
}

void TableChips::RefreshChip(bool force) {
    if (ShopContext* ctx = shop_()) {
        shop::RefreshChip(*ctx, force);
    }
}

void TableChips::RefreshForced() {
    if (state_.isUpdateChipNum) {
        state_.isUpdateChipNum = false;
    } else {
        RefreshChip(true);
    }
}

} // namespace qv::shop
