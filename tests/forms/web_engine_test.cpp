#include "forms/qt/qt_window_system.h"
#include "forms/qt/web_browser_widget.h"
#include "forms/web_browser.h"
#include "test_form.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gmock/gmock.h>
#include <optional>

// The web view on the real web engine, against a local HTTP server started by the test.

namespace qv::forms::test {
namespace {

using namespace Qt::StringLiterals;

bool webEngineLoaded() {
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

/// `python3 -m http.server` on a free loopback port, serving one page.
class LocalWebServer {
public:
    LocalWebServer() {
        QFile page(folder_.filePath(u"ad.html"_s));
        if (page.open(QIODevice::WriteOnly)) {
            page.write("<html><body><h1>Quorvale</h1></body></html>");
        }
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start(QStringLiteral(QV_PYTHON),
                      {u"-u"_s, u"-m"_s, u"http.server"_s, u"0"_s, u"--bind"_s, u"127.0.0.1"_s,
                       u"--directory"_s, folder_.path()});
        QByteArray said;
        static const QRegularExpression kPort(u"port (\\d+)"_s);
        while (server_.waitForReadyRead(10000)) {
            said += server_.readAll();
            if (const auto match = kPort.match(QString::fromUtf8(said)); match.hasMatch()) {
                port_ = match.captured(1).toInt();
                return;
            }
        }
    }
    LocalWebServer(const LocalWebServer&) = delete;
    LocalWebServer& operator=(const LocalWebServer&) = delete;
    ~LocalWebServer() {
        server_.kill();
        server_.waitForFinished();
    }
    [[nodiscard]] int port() const { return port_; }

private:
    QTemporaryDir folder_;
    QProcess server_;
    int port_ = 0;
};

/// A shown form with a web view, on the Qt window system with the web engine's widget.
struct EngineFixture {
    EngineFixture() {
        windows.registerWidgetFactory(QString::fromUtf16(kWebBrowserKind),
                                      qt::webBrowserWidgetFactory());
        view.move(0, 0, 300 * 15, 200 * 15);
        view.web.documentComplete = [this](const QString&) {
            finish(true);
        };
        view.web.navigateError = [this](const QString&, int) {
            finish(false);
        };
    }
    void finish(bool ok) {
        outcome = ok;
        loop.quit();
    }
    /// Shows the form and waits for the view's first load to end (a minute at most).
    std::optional<bool> showAndWait() {
        form.show();
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        if (!outcome) {
            loop.exec();
        }
        return outcome;
    }

    /// Declared first, so it goes last: the windows' deferred deletion, pages included.
    struct FlushDeletes {
        FlushDeletes() = default;
        FlushDeletes(const FlushDeletes&) = delete;
        FlushDeletes& operator=(const FlushDeletes&) = delete;
        ~FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    } flush;
    platform::fake::FakeTimeService time;
    FormHost host{time};
    qt::QtWindowSystem windows{host};
    TestForm& form = host.get<TestForm>();
    WebBrowser view{form, u"WebBrowser1"_s};
    QEventLoop loop;
    std::optional<bool> outcome;
};

TEST(WebEngineTest, TheEngineLoadsOnlyWhenAViewIsShownAndThenShowsTheLocalPage) {
    LocalWebServer server;
    ASSERT_NE(server.port(), 0) << "the local HTTP server did not start";
    EngineFixture f;
    f.view.navigate(u"http://127.0.0.1:%1/ad.html"_s.arg(server.port()));
    QApplication::processEvents();
    EXPECT_FALSE(webEngineLoaded()) << "nothing shown yet";
    EXPECT_FALSE(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));

    EXPECT_EQ(f.showAndWait(), std::optional(true));
    EXPECT_TRUE(webEngineLoaded());
    // The views' shared graphics context is asked for with the engine, not at start.
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
}

TEST(WebEngineTest, APageThatCannotBeReachedIsANavigationError) {
    LocalWebServer server;
    const int port = server.port();
    ASSERT_NE(port, 0);
    EngineFixture f;
    f.form.show();
    QApplication::processEvents();
    f.view.navigate(u"http://127.0.0.1:%1/missing.html"_s.arg(port));
    EXPECT_EQ(f.showAndWait(), std::optional(false));
}

} // namespace
} // namespace qv::forms::test
