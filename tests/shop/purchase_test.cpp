#include "shop/purchase.h"
#include "shop_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

using testing_support::Order;
using testing_support::orders;
using testing_support::ShopTable;

/// A table where the player has `available` above the room base and cigarettes cost `price`.
struct PurchaseTable : ShopTable {
    PurchaseTable(double available, std::int32_t price) {
        client.conn.match.RoomBase = 200;
        client.conn.Detail[0].coins = 200 + available;
        sellCigarettes(price);
    }
};

TEST(Purchase, TakesTheWholeNumberOfPricesTheMoneyCovers) {
    const std::vector<std::tuple<double, std::int32_t, std::int32_t>> cases{
        {1000, 7, 142}, {1000, 8, 125}, {1000, 2000, 1}, {50000, 1, 1000}, {7, 7, 1}};
    for (const auto& [available, price, most] : cases) {
        PurchaseTable t(available, price);
        EXPECT_EQ(max_buy_num(t.ctx), most) << available << " at " << price;
    }
}

TEST(Purchase, OpensOnlyForAPositivePrice) {
    for (const std::int32_t price : {0, -5}) {
        PurchaseTable t(1000, price);
        t.form.Img_buy_bt.events.click();
        EXPECT_FALSE(t.form.Pic_buy.visible()) << price;
    }
    PurchaseTable t(1000, 10);
    t.form.Img_buy_bt.events.click();
    EXPECT_TRUE(t.form.Pic_buy.visible());
    EXPECT_EQ(t.form.Txt_buy_num.text(), u"1"_s);
    EXPECT_EQ(t.form.Lb_buy_all.caption(), u"合计：10"_s);
    EXPECT_EQ(t.form.Lb_buy_my.caption(), u"可用金额：1000金"_s);
    t.form.Img_buy_bt.events.click();
    EXPECT_FALSE(t.form.Pic_buy.visible());
}

TEST(Purchase, TheStepButtonsMoveByHundreds) {
    PurchaseTable t(1000, 1);
    const std::vector<std::tuple<QString, bool, QString>> cases{
        {u"1"_s, true, u"100"_s},   {u"250"_s, true, u"300"_s}, {u"950"_s, true, u"1000"_s},
        {u"150"_s, false, u"50"_s}, {u"100"_s, false, u"1"_s},  {u"99"_s, false, u"99"_s}};
    for (const auto& [from, add, to] : cases) {
        t.form.Txt_buy_num.setText(from);
        (add ? t.form.Img_buy_add_bt : t.form.Img_buy_reduce_bt).events.click();
        EXPECT_EQ(t.form.Txt_buy_num.text(), to) << from.toStdString();
    }
    t.form.Txt_buy_num.setText(u"99999999999999999999"_s);
    EXPECT_EQ(t.form.Txt_buy_num.text(), u"1000"_s);
    int key = 'a';
    t.form.Txt_buy_num.events.keyPress(key);
    EXPECT_EQ(key, 0);
}

TEST(Purchase, DuringAGameTheOrderAddsUpAndGoesWithTheResult) {
    PurchaseTable t(500, 10);
    auto& conn = t.client.conn;
    conn.g_bInGame = true;
    conn.g_bBuyDeferred = true;
    conn.PendingSmokeNum = 30;
    t.form.Txt_buy_num.setText(u"40"_s);
    t.form.Img_buy_buy_bt.events.click();
    EXPECT_EQ(t.form.Txt_buy_num.text(), u"20"_s);
    EXPECT_EQ(conn.PendingSmokeNum, 50);
    EXPECT_TRUE(conn.PendingSmokeOrder);
    EXPECT_EQ(t.tickerLine(), u"您提交购买50根香烟的订单，游戏结束时交易生效！"_s);
    t.form.Img_buy_buy_bt.events.click();
    EXPECT_EQ(t.form.Txt_buy_num.text(), u"0"_s);
    EXPECT_EQ(conn.PendingSmokeNum, 50);
    EXPECT_TRUE(orders(t.sent()).empty());
}

TEST(Purchase, BetweenGamesTheOrderGoesAtOnce) {
    PurchaseTable t(100, 10);
    t.form.Img_buy_bt.events.click();
    t.form.Txt_buy_num.setText(u"5"_s);
    t.form.Img_buy_buy_bt.events.click();
    EXPECT_EQ(orders(t.sent()), (std::vector<Order>{{2, 3, 5}}));
    EXPECT_EQ(t.form.Lb_buy_my.caption(), u"可用金额：50金"_s);

    PurchaseTable poor(5, 10);
    poor.form.Img_buy_buy_bt.events.click();
    EXPECT_EQ(poor.tickerLine(), u"您的可用金额不足！"_s);
    EXPECT_TRUE(orders(poor.sent()).empty());
}

TEST(Purchase, ThePayButtonsOpenTheSitesPagesOncePerHover) {
    PurchaseTable t(100, 10);
    t.client.shop.SiteAddress = u"http://127.0.0.1:8080"_s;
    t.form.img_chzhi.events.click(1);
    t.form.img_chzhi.events.click(1);
    t.form.img_chzhi.events.mouseMove(1, 0, 0, 0, 0);
    t.form.img_chzhi.events.click(1);
    t.form.img_chzhi.events.click(2);
    EXPECT_EQ(t.platform.shell.opened_,
              (std::vector<QString>{u"http://127.0.0.1:8080/netpay/netpaylog.php"_s,
                                    u"http://127.0.0.1:8080/netpay/netpaylog.php"_s,
                                    u"http://127.0.0.1:8080/alipay"_s}));
}

} // namespace
} // namespace qv::shop
