#include "shop/exchange_window.h"
#include "shop/jade_task.h"
#include "shop/purchase.h"
#include "shop/vip_window.h"
#include "shop_fixture.h"
#include "support/web_engine_fixture.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

// A pay button opens its page of the site whose address is set: the page, served by a local
// HTTP server, loads in a web view, and the server is asked for its path.
TEST(SitePagesTest, ThePayButtonsPageLoadsFromTheSite) {
    // A folder of that name with a page in it, so the server answers with a page, not a file.
    forms::test::LocalWebServer site({u"netpay/netpaylog.php/index.html"_s});
    ASSERT_NE(site.port(), 0) << "the local HTTP server did not start";
    testing_support::ShopTable t;
    t.client.shop.SiteAddress = u"http://127.0.0.1:%1"_s.arg(site.port());
    t.form.img_chzhi.events.click(1);
    ASSERT_EQ(t.platform.shell.opened_.size(), 1U);

    forms::test::EngineFixture browser;
    browser.view.navigate(t.platform.shell.opened_.front());
    EXPECT_EQ(browser.showAndWait(), std::optional(true));
    EXPECT_TRUE(site.log().contains("GET /netpay/netpaylog.php"));
}

// The VIP window's recharge button and the exchange window's two links open their pages of the
// site: each loads in a web view, and the server's log shows each address as it was asked for,
// the values encoded and the digest over the raw values. The VIP window signs the command line's
// name, the exchange window the player's own.
TEST(SitePagesTest, TheVipAndExchangePagesLoadFromTheSite) {
    forms::test::LocalWebServer site(
        {u"chongzhi/member.php/index.html"_s, u"duihuan/index.html"_s});
    ASSERT_NE(site.port(), 0) << "the local HTTP server did not start";
    testing_support::ShopTable t;
    t.client.shop.SiteAddress = u"http://127.0.0.1:%1"_s.arg(site.port());
    t.client.plugin.Prop_UserName = u"me"_s;
    t.client.plugin.Prop_UserCode = u"c&d"_s;
    t.client.hand.custom[0].name = u"a b"_s;
    auto& vip = t.client.forms.get<FrmVip>();
    vip.initFrm(3);
    vip.ImgOpenvip.raiseClick();
    ImgJadeExch_MouseUp(t.ctx);
    auto& exchange = t.client.forms.get<exchangeFrm>();
    exchange.exchange_MouseDown();
    exchange.img_buyvip_MouseDown();
    ASSERT_EQ(t.platform.shell.opened_.size(), 3U);

    forms::test::EngineFixture browser;
    for (const QString& address : t.platform.shell.opened_) {
        browser.outcome.reset();
        browser.view.navigate(address);
        EXPECT_EQ(browser.showAndWait(), std::optional(true)) << address.toStdString();
    }
    const auto md5 = [](const QByteArray& text) {
        return QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex();
    };
    const QByteArray log = site.log();
    for (const QByteArray& target :
         {"/chongzhi/member.php?l=me&z=c%26d&m=" + md5("mec&dquvenbar"), QByteArray("/duihuan"),
          "/chongzhi/member.php?l=a%20b&z=c%26d&m=" + md5("a bc&dquvenbar")}) {
        EXPECT_EQ(log.count("\"GET " + target + " HTTP/1.1\""), 1) << log.toStdString();
    }
}

} // namespace
} // namespace qv::shop
