#include "support/fake_web_page.h"
#include "test_form.h"

#include <gmock/gmock.h>
#include <memory>
#include <string>
#include <vector>

namespace qv::forms::test {
namespace {

using namespace Qt::StringLiterals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

/// A web view whose events are written to `log`.
struct BrowserFixture : FormFixture {
    BrowserFixture() {
        browser.web.documentComplete = [this](const QString& url) {
            log.push_back("complete " + url.toStdString());
        };
        browser.web.downloadComplete = [this] {
            log.push_back("download");
        };
        browser.web.navigateError = [this](const QString& url, int) {
            log.push_back("error " + url.toStdString());
        };
    }
    WebBrowser browser{form, u"WebBrowser1"_s};
    qv::test::FakeWebPage page;
    std::vector<std::string> log;
};

TEST(WebBrowserTest, ANavigationBeforeThePageIsThereLoadsWhenItAttaches) {
    BrowserFixture f;
    f.browser.navigate(u"http://127.0.0.1:8080/ad.html"_s);
    EXPECT_THAT(f.page.loads, IsEmpty());
    f.browser.attachPage(&f.page);
    EXPECT_THAT(f.page.loads, ElementsAre(QUrl(u"http://127.0.0.1:8080/ad.html"_s)));
    f.browser.navigate(u"https://example.org/x"_s);
    EXPECT_EQ(f.page.loads.size(), 2U);
}

TEST(WebBrowserTest, AFinishedLoadCompletesTheDownloadThenTheDocument) {
    BrowserFixture f;
    f.browser.attachPage(&f.page);
    f.browser.navigate(u"http://127.0.0.1/a"_s);
    f.page.finish(true);
    f.browser.navigate(u"http://127.0.0.1/b"_s);
    f.page.finish(false);
    EXPECT_THAT(f.log,
                ElementsAre("download", "complete http://127.0.0.1/a", "error http://127.0.0.1/b"));
}

TEST(WebBrowserTest, OnlyWebAddressesAreLoadedAndOthersFailAfterTheCallerIsDone) {
    for (const QString& address : {u"file:///etc/passwd"_s, u"javascript:alert(1)"_s,
                                   u"ftp://127.0.0.1/x"_s, u"http://"_s, u"not an address"_s}) {
        BrowserFixture f;
        f.browser.attachPage(&f.page);
        f.browser.navigate(address);
        EXPECT_THAT(f.log, IsEmpty()) << address.toStdString();
        f.time.processEvents();
        EXPECT_THAT(f.log, ElementsAre("error " + address.toStdString()));
        EXPECT_THAT(f.page.loads, IsEmpty());
    }
}

TEST(WebBrowserTest, TheContextMenuOpensUnlessTheHandlerCancelsIt) {
    BrowserFixture f;
    EXPECT_TRUE(f.browser.contextMenuAllowed());
    f.browser.web.contextMenu = [] {
        return false;
    };
    EXPECT_FALSE(f.browser.contextMenuAllowed());
}

TEST(WebBrowserTest, ControlAndPageForgetEachOtherWhenEitherGoes) {
    BrowserFixture f;
    {
        qv::test::FakeWebPage shortLived;
        f.browser.attachPage(&shortLived);
        EXPECT_EQ(shortLived.browser(), &f.browser);
    }
    EXPECT_EQ(f.browser.page(), nullptr);
    f.browser.navigate(u"http://127.0.0.1/a"_s);

    qv::test::FakeWebPage page;
    {
        WebBrowser gone(f.form, u"WebBrowser2"_s);
        gone.attachPage(&page);
        gone.navigate(u"file:///x"_s);
    }
    EXPECT_EQ(page.browser(), nullptr);
    f.time.processEvents();
    page.finish(true);
    EXPECT_THAT(f.log, IsEmpty());
}

} // namespace
} // namespace qv::forms::test
