#include "support/fake_web_page.h"
#include "table/table_fixture.h"

#include <gmock/gmock.h>

namespace qv::table {
namespace {

using namespace Qt::StringLiterals;
using testing_support::TableFixture;

/// A loaded table whose two web views show through fake pages.
struct ViewsFixture : TableFixture {
    ViewsFixture() {
        loaded();
        form.WebBrowser1.attachPage(&banner);
        form.WebBrowser2.attachPage(&shuffle);
    }
    qv::test::FakeWebPage banner;
    qv::test::FakeWebPage shuffle;
};

TEST(WebViewsTest, ACompletedBannerShowsInBirdsFrameInFrontWithoutContextMenu) {
    ViewsFixture f;
    f.form.WebBrowser1.navigate(u"http://127.0.0.1/ad.html"_s);
    EXPECT_FALSE(f.form.WebBrowser1.visible());
    f.banner.finish(true);
    EXPECT_TRUE(f.form.WebBrowser1.visible());
    EXPECT_DOUBLE_EQ(f.form.WebBrowser1.left(), f.form.Bird.left() + 2);
    EXPECT_DOUBLE_EQ(f.form.WebBrowser1.top(), f.form.Bird.top() + 2);
    EXPECT_EQ(f.form.Pic1.windowedControls().back(), &f.form.WebBrowser1);
    EXPECT_FALSE(f.form.WebBrowser1.contextMenuAllowed());
}

TEST(WebViewsTest, AfterOneErrorTheBannerStaysHiddenForGood) {
    ViewsFixture f;
    f.form.WebBrowser1.navigate(u"http://127.0.0.1/ad.html"_s);
    f.form.WebBrowser1.setVisible(true);
    f.banner.finish(false);
    EXPECT_FALSE(f.form.WebBrowser1.visible());
    EXPECT_TRUE(f.table.g_bBannerError);
    f.form.WebBrowser1.navigate(u"http://127.0.0.1/ad.html"_s);
    f.banner.finish(true);
    EXPECT_FALSE(f.form.WebBrowser1.visible());
}

TEST(WebViewsTest, AServerAddressThatIsNotAWebPageFailsTheView) {
    ViewsFixture f;
    f.form.WebBrowser2.navigate(u"file:///etc/passwd.gamead"_s);
    f.form.WebBrowser2.zOrder(0);
    f.form.WebBrowser2.setVisible(true);
    f.platform.time.processEvents();
    EXPECT_FALSE(f.form.WebBrowser2.visible());
    EXPECT_TRUE(f.table.g_bShufflePageError);
    EXPECT_TRUE(f.shuffle.loads.empty());
    f.shuffle.finish(true);
    EXPECT_FALSE(f.form.WebBrowser2.visible()) << "a completed document hides it again";
}

} // namespace
} // namespace qv::table
