#include "common/picture_resources.h"
#include "shop/exchange_window.h"
#include "shop/jade_task.h"
#include "shop/recharge_address.h"
#include "shop_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

using testing_support::ShopTable;

exchangeFrm& openedExchange(ShopTable& t) {
    ImgJadeExch_MouseUp(t.ctx);
    return t.client.forms.get<exchangeFrm>();
}

/// The page's slots as "name|price lines" each, "-" for an empty slot with no picture.
QStringList slots(const exchangeFrm& window) {
    QStringList all;
    for (int s = 1; s <= 8; ++s) {
        const bool empty = window.exchangelist(s).picture().isNull();
        all << (empty ? u"-"_s : window.title1(s).caption() + u'|' + window.title2(s).caption());
    }
    return all;
}

TEST(ExchangeWindow, PagesThroughTheCatalogueEightAtATime) {
    ShopTable t;
    exchangeFrm& window = openedExchange(t);
    EXPECT_EQ(window.page.caption(), u"1/3"_s);
    EXPECT_EQ(slots(window).at(1), u"手机话费-10元|翡翠200个\r\n1张手机充值卡10元\r\n"_s);
    EXPECT_EQ(window.exchangelist(2).picture(), common::LoadGifPicture(1881, u"GIF"_s));
    window.pageUp_Click();
    EXPECT_EQ(window.page.caption(), u"1/3"_s);
    window.pageDown_Click();
    window.pageDown_Click();
    window.pageDown_Click();
    EXPECT_EQ(window.page.caption(), u"3/3"_s);
    EXPECT_EQ(slots(window),
              (QStringList{u"九阳1.5L电水壶|翡翠178000个\r\n"_s, u"TCL电话机|翡翠94000个\r\n"_s,
                           u"朗科朗盛系列闪存盘|翡翠118000个\r\n"_s,
                           u"朗科高速优盘|翡翠138000个\r\n"_s, u"-"_s, u"-"_s, u"-"_s, u"-"_s}));
}

TEST(ExchangeWindow, TheExchangeButtonTogglesItCentredOnTheTable) {
    ShopTable t;
    exchangeFrm& window = openedExchange(t);
    EXPECT_TRUE(window.visible());
    EXPECT_NEAR(window.left() + window.width() / 2, t.form.left() + t.form.width() / 2, 1);
    EXPECT_NEAR(window.top() + window.height() / 2, t.form.top() + t.form.height() / 2, 1);
    window.move(0, 0);
    ImgJadeExch_MouseUp(t.ctx);
    EXPECT_FALSE(window.visible());
    ImgJadeExch_MouseUp(t.ctx);
    EXPECT_TRUE(window.visible());
    EXPECT_NEAR(window.left() + window.width() / 2, t.form.left() + t.form.width() / 2, 1);
}

TEST(ExchangeWindow, OpensTheExchangePageAndTheSignedRechargePageForANamedPlayer) {
    ShopTable t;
    t.client.shop.SiteAddress = u"http://127.0.0.1:8080"_s;
    t.client.plugin.Prop_UserCode = u"k"_s;
    exchangeFrm& window = openedExchange(t);
    window.exchange_MouseDown();
    window.img_buyvip_MouseDown();
    t.client.hand.custom[0].name = u"  "_s;
    window.img_buyvip_MouseDown();
    EXPECT_EQ(t.platform.shell.opened_,
              (std::vector<QString>{u"http://127.0.0.1:8080/duihuan"_s,
                                    RechargeAddress(u"http://127.0.0.1:8080"_s, u"me"_s, u"k"_s)}));
}

TEST(ExchangeWindow, TheBarLightsItsArrowUntilThePointerIsOnTheBody) {
    ShopTable t;
    exchangeFrm& window = openedExchange(t);
    window.pageDown.events.mouseMove(0, 0, 0, 0);
    EXPECT_EQ(window.scroll.picture(), common::LoadGifPicture(447, u"GIF"_s));
    window.Form_MouseMove(10, 10);
    EXPECT_EQ(window.scroll.picture(), common::LoadGifPicture(445, u"GIF"_s));
    EXPECT_EQ(window.scroll.tag(), u"0"_s);
}

} // namespace
} // namespace qv::shop
