#include "shop/purchase.h"

#include "common/picture_resources.h"
#include "common/vb_text.h"
#include "connection/connection.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "shop/number_text.h"
#include "shop/shop_context.h"
#include "table/main_form.h"
#include "table/system_ticker.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

constexpr std::uint8_t kBuyGoods = 2;
constexpr std::int32_t kMostPerPurchase = 1000;
constexpr std::int64_t kStep = 100;
constexpr int kPanelLeft = 340;
constexpr int kBackspace = 8;

struct ButtonLook {
    forms::Image table::MainForm::*button;
    std::int16_t normal;
    std::int16_t hover;
};

constexpr ButtonLook kBuyBt{&table::MainForm::Img_buy_bt, 1644, 1645};
constexpr ButtonLook kBuyBuyBt{&table::MainForm::Img_buy_buy_bt, 1656, 1658};
constexpr ButtonLook kBuyAddBt{&table::MainForm::Img_buy_add_bt, 1660, 1661};
constexpr ButtonLook kBuyReduceBt{&table::MainForm::Img_buy_reduce_bt, 1662, 1663};
constexpr ButtonLook kBuyCloseBt{&table::MainForm::Img_buy_close_bt, 1515, 1514};

double money(const ShopContext& ctx) {
    return ctx.conn.Detail[0].coins;
}

double available(const ShopContext& ctx) {
    return money(ctx) - ctx.conn.match.RoomBase;
}

std::int32_t price(const ShopContext& ctx) {
    return GetGoodsPrice(ctx.state.goods, kCigarettes);
}

/// A money amount as plain decimal text.
QString plain(double amount) {
    return amount == std::trunc(amount) ? WholeText(amount) : QString::number(amount, 'g', 15);
}

QString availableText(const ShopContext& ctx) {
    const double shown = money(ctx) >= ctx.conn.match.RoomBase ? available(ctx) : money(ctx);
    return u"可用金额："_s + plain(shown) + u"金"_s;
}

std::int64_t quantity(const ShopContext& ctx) {
    return SaturatedWhole(leadingNumber(ctx.form.Txt_buy_num.text()));
}

void refreshLabels(ShopContext& ctx) {
    ctx.form.Lb_buy_all.setCaption(u"合计："_s +
                                   plain(static_cast<double>(quantity(ctx)) * price(ctx)));
    ctx.form.Lb_buy_my.setCaption(availableText(ctx));
}

/// A quantity within what may still be bought: with `pending` already ordered in this game, at
/// most the rest of `most`, "0" when nothing more may be ordered.
std::int64_t limited(std::int64_t wanted, std::int64_t pending, std::int64_t most) {
    if (wanted + pending <= 0) {
        wanted = 1;
    }
    if (wanted + pending > most) {
        wanted = std::max<std::int64_t>(most - pending, 0);
    }
    return wanted;
}

std::int64_t limitedOutsideGame(std::int64_t wanted, std::int64_t most) {
    return std::min(std::max<std::int64_t>(wanted, 1), most);
}

std::int64_t withinRules(const ShopContext& ctx, std::int64_t wanted) {
    const std::int32_t most = max_buy_num(ctx);
    return ctx.conn.g_bBuyDeferred ? limited(wanted, ctx.conn.PendingSmokeNum, most)
                                   : limitedOutsideGame(wanted, most);
}

void setQuantity(ShopContext& ctx, std::int64_t value) {
    ctx.form.Txt_buy_num.setText(QString::number(value));
}

void toHover(ShopContext& ctx, const ButtonLook& look, bool always = false) {
    forms::Image& button = ctx.form.*look.button;
    if (always || button.tag() != u"1"_s) {
        button.setTag(u"1"_s);
        common::LoadGifRes(look.hover, u"GIF"_s, button);
    }
}

void toNormal(forms::Image& button, std::int16_t picture) {
    button.setTag(u"0"_s);
    common::LoadGifRes(picture, u"GIF"_s, button);
}

void buyDuringGame(ShopContext& ctx) {
    connection::Connection& conn = ctx.conn;
    const std::int32_t most = max_buy_num(ctx);
    const std::int64_t pending = conn.PendingSmokeNum;
    const std::int64_t wanted = quantity(ctx);
    if (wanted + pending <= 0) {
        setQuantity(ctx, 1);
    }
    if (wanted + pending >= most) {
        setQuantity(ctx, std::max<std::int64_t>(most - pending, 0));
    }
    const std::int64_t q = quantity(ctx);
    const std::int64_t total = q + pending;
    conn.PendingSmokeNum = static_cast<int>(std::clamp<std::int64_t>(total, 0, most));
    if (q > 0 && total > 0 && total <= most && total <= kMostPerPurchase) {
        conn.PendingSmokeOrder = true;
        QString order =
            u"您提交购买"_s + QString::number(total) + u"根香烟的订单，游戏结束时交易生效！"_s;
        table::AddSystemMessage(ctx.form, order);
    }
}

void buyNow(ShopContext& ctx) {
    const std::int32_t most = max_buy_num(ctx);
    const std::int64_t wanted = quantity(ctx);
    if (wanted <= 0) {
        setQuantity(ctx, 1);
    }
    if (wanted > most) {
        setQuantity(ctx, most);
    }
    const std::int64_t q = quantity(ctx);
    if (q <= 0 || q > most) {
        return;
    }
    connection::Send93(ctx.conn, kBuyGoods, kCigarettes, static_cast<std::int32_t>(q));
    const double remaining = available(ctx) - static_cast<double>(price(ctx)) * q;
    if (remaining > 0) {
        ctx.form.Lb_buy_my.setCaption(u"可用金额："_s + plain(remaining) + u"金"_s);
    }
}

} // namespace

std::int32_t max_buy_num(const ShopContext& ctx) {
    const std::int32_t unit = price(ctx);
    const double money = available(ctx);
    if (unit <= 0 || money <= unit) {
        return 1;
    }
    return static_cast<std::int32_t>(
        std::clamp(std::floor(money / unit), 1.0, static_cast<double>(kMostPerPurchase)));
}

void ShowPurchasePanel(ShopContext& ctx, int top) {
    table::MainForm& form = ctx.form;
    form.Pic_buy.move(kPanelLeft, top);
    form.Pic_buy.setVisible(true);
    form.Lb_buy_all.setCaption({});
    form.Txt_buy_num.setText(u"1"_s);
    refreshLabels(ctx);
}

void Img_buy_bt_Click(ShopContext& ctx) {
    if (ctx.form.Pic_buy.visible()) {
        ctx.form.Pic_buy.setVisible(false);
        return;
    }
    if (price(ctx) > 0) {
        ShowPurchasePanel(ctx, 300);
    }
}

void Txt_buy_num_Change(ShopContext& ctx) {
    setQuantity(ctx, withinRules(ctx, quantity(ctx)));
    refreshLabels(ctx);
}

void Txt_buy_num_KeyPress(int& keyAscii) {
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!digit && keyAscii != kBackspace) {
        keyAscii = 0;
    }
}

void Img_buy_add_bt_Click(ShopContext& ctx) {
    const std::int64_t next = quantity(ctx) + kStep;
    setQuantity(ctx, withinRules(ctx, next - next % kStep));
    refreshLabels(ctx);
}

void Img_buy_reduce_bt_Click(ShopContext& ctx) {
    const std::int64_t q = quantity(ctx);
    if (q >= kStep) {
        setQuantity(ctx, std::max<std::int64_t>(q - kStep, 1));
    }
    refreshLabels(ctx);
}

void Img_buy_buy_bt_Click(ShopContext& ctx) {
    if (available(ctx) < price(ctx)) {
        QString shortOfMoney = u"您的可用金额不足！"_s;
        table::AddSystemMessage(ctx.form, shortOfMoney);
        return;
    }
    if (ctx.conn.g_bInGame) {
        buyDuringGame(ctx);
    } else {
        buyNow(ctx);
    }
}

void Img_buy_close_bt_Click(ShopContext& ctx) {
    ctx.form.Pic_buy.setVisible(false);
}

void Pic_buy_KeyDown(ShopContext& ctx, int keyCode) {
    if (keyCode == forms::key::kEscape && ctx.form.Pic_buy.visible()) {
        ctx.form.Pic_buy.setVisible(false);
    }
}

void img_chzhi_Click(ShopContext& ctx, int index) {
    forms::Image& button = ctx.form.img_chzhi(index);
    if (button.tag() == u"2"_s) {
        return;
    }
    button.setTag(u"2"_s);
    common::LoadGifRes(static_cast<std::int16_t>(779 + 3 * index), u"GIF"_s, button);
    const QString page = index == 1 ? u"/netpay/netpaylog.php"_s : u"/alipay"_s;
    ctx.conn.services.shell.openPage(ctx.state.SiteAddress + page);
}

void Img_buy_bt_MouseMove(ShopContext& ctx) {
    toHover(ctx, kBuyBt);
}

void Img_buy_add_bt_MouseMove(ShopContext& ctx) {
    toHover(ctx, kBuyAddBt);
}

void Img_buy_reduce_bt_MouseMove(ShopContext& ctx) {
    toHover(ctx, kBuyReduceBt);
}

void Img_buy_buy_bt_MouseMove(ShopContext& ctx) {
    toHover(ctx, kBuyBuyBt);
}

void Img_buy_close_bt_MouseMove(ShopContext& ctx) {
    toHover(ctx, kBuyCloseBt, true);
}

void img_chzhi_MouseMove(ShopContext& ctx, int index) {
    forms::Image& button = ctx.form.img_chzhi(index);
    if (button.tag() != u"1"_s) {
        button.setTag(u"1"_s);
        common::LoadGifRes(static_cast<std::int16_t>(779 + 3 * index), u"GIF"_s, button);
    }
}

void Pic_buy_MouseMove(ShopContext& ctx) {
    table::MainForm& form = ctx.form;
    for (const ButtonLook* look : {&kBuyBuyBt, &kBuyAddBt, &kBuyReduceBt}) {
        forms::Image& button = form.*(look->button);
        if (button.tag() != u"0"_s) {
            toNormal(button, look->normal);
        }
    }
    if (form.Img_buy_close_bt.tag() == u"1"_s) {
        toNormal(form.Img_buy_close_bt, kBuyCloseBt.normal);
    }
    for (int i = 1; i <= 2; ++i) {
        if (form.img_chzhi(i).tag() != u"0"_s) {
            toNormal(form.img_chzhi(i), static_cast<std::int16_t>(777 + 3 * i));
        }
    }
}

} // namespace qv::shop
