#include "app/client.h"
#include "app/start_on_table.h"
#include "connection/commands.h"
#include "forms/qt/qt_window_system.h"
#include "forms/qt/web_browser_widget.h"
#include "forms/web_browser.h"
#include "platform/fake/fake_platform.h"
#include "support/web_engine_fixture.h"
#include "table/main_form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>

#include <functional>
#include <gtest/gtest.h>

// The table window's two web views on the real web engine, against a local HTTP server started by
// the test: the banner after the login, the seat-change page at a random seat change.

namespace qv {
namespace {

using namespace Qt::StringLiterals;

using forms::test::LocalWebServer;

/// How often the server's log names a GET of `path`.
int requests(LocalWebServer& server, const QString& path) {
    return static_cast<int>(server.log().count("\"GET " + path.toLatin1() + " HTTP"));
}

QString pageUrl(const LocalWebServer& server, const QString& path) {
    return u"http://127.0.0.1:%1/%2"_s.arg(server.port()).arg(path);
}

/// A loopback port that nothing listens on.
int closedLoopbackPort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost)) {
        return 0;
    }
    const int port = probe.serverPort();
    probe.close();
    return port;
}

/// The client's table window shown on the Qt window system with the web engine's views.
struct WebTable {
    WebTable() {
        windows.registerWidgetFactory(QString::fromUtf16(forms::kWebBrowserKind),
                                      forms::qt::webBrowserWidgetFactory());
        platform.screen.size_ = {1024, 768};
        platform.lobby.open(connection::kDefaultLobbyTitle);
        app::StartOnTable(client, form, u"me$secret$127.0.0.1$6000$$0$$0$$$0$$$0$0$"_s);
        form.show();
    }

    /// The server accepts the login and names `banner` as the banner page.
    void login(const QString& banner) {
        connection::GameMessage reply;
        reply.setCommand(connection::MsgLogin);
        reply.setU8(15, 1);
        reply.writeBytes(16, banner.toLatin1());
        connection::DispatchFrame(client.conn, reply);
    }

    /// The player starts the next hand at a table that changes seats at random.
    void startWithSeatChange() {
        client.conn.g_bSeatChangeArmed = true;
        client.conn.g_bRandomSeats = true;
        client.table.AnNiuLocked[2] = false;
        form.AnNiu(2).raiseClick();
    }

    /// Runs the events until `done`, a minute at most.
    bool waitFor(const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 60000) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            platform.time.advance(0);
        }
        return done();
    }

    /// Declared first, so it goes last: the windows' deferred deletion, pages included.
    struct FlushDeletes {
        FlushDeletes() = default;
        FlushDeletes(const FlushDeletes&) = delete;
        FlushDeletes& operator=(const FlushDeletes&) = delete;
        ~FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    } flush;
    platform::fake::FakePlatform platform;
    Client client{platform.services};
    forms::qt::QtWindowSystem windows{client.forms};
    table::MainForm& form = client.forms.get<table::MainForm>();
};

TEST(TableWebViewsTest, TheBannerLoadsOnceAfterTheLoginAndTheSeatChangePageAtTheSeatChange) {
    LocalWebServer server({u"banner.html"_s, u"banner.html.gamead"_s});
    ASSERT_NE(server.port(), 0) << "the local HTTP server did not start";
    WebTable t;
    t.login(pageUrl(server, u"banner.html"_s));
    ASSERT_TRUE(t.waitFor([&] { return requests(server, u"/banner.html"_s) > 0; }));
    EXPECT_TRUE(t.waitFor([&] { return t.form.WebBrowser1.visible(); }));
    EXPECT_EQ(t.form.WebBrowser1.left(), t.form.Bird.left() + 2);
    EXPECT_EQ(t.form.WebBrowser1.top(), t.form.Bird.top() + 2);

    t.startWithSeatChange();
    EXPECT_TRUE(t.waitFor([&] { return requests(server, u"/banner.html.gamead"_s) > 0; }));
    EXPECT_FALSE(t.client.table.g_bBannerError);
    EXPECT_EQ(requests(server, u"/banner.html"_s), 1);
}

// A page that cannot be reached hides its view for good; the seat change shows its caption and
// picture without the page.
TEST(TableWebViewsTest, AnUnreachableAddressHidesTheViews) {
    const int port = closedLoopbackPort();
    ASSERT_NE(port, 0);
    WebTable t;
    t.login(u"http://127.0.0.1:%1/banner.html"_s.arg(port));
    ASSERT_TRUE(t.waitFor([&] { return t.client.table.g_bBannerError; }));
    EXPECT_FALSE(t.form.WebBrowser1.visible());

    t.startWithSeatChange();
    ASSERT_TRUE(t.waitFor([&] { return t.client.table.g_bShufflePageError; }));
    EXPECT_FALSE(t.form.WebBrowser2.visible());
    EXPECT_TRUE(t.form.LblShuffle.visible());
    EXPECT_TRUE(t.form.ImgShuffle.visible());
}

} // namespace
} // namespace qv
