#include "shop/purchase.h"
#include "shop_fixture.h"
#include "support/web_engine_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

// A pay button opens its page of the site whose address is set: the page, served by a local
// HTTP server, loads in a web view, and the server is asked for its path.
TEST(PayPageTest, ThePayButtonsPageLoadsFromTheSite) {
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

} // namespace
} // namespace qv::shop
