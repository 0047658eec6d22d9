#pragma once

// The real web engine against a local HTTP server: `python3 -m http.server` on a free loopback
// port serving a folder of pages, and a shown form with a web view on the Qt window system.

#include "forms/qt/qt_window_system.h"
#include "forms/qt/web_browser_widget.h"
#include "forms/test_form.h"
#include "forms/web_browser.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

namespace qv::forms::test {

using namespace Qt::StringLiterals;

/// `python3 -m http.server` on a free loopback port, serving a page at each of `paths`.
class LocalWebServer {
public:
    explicit LocalWebServer(const QStringList& paths = {u"ad.html"_s}) {
        for (const QString& path : paths) {
            const QString file = folder_.filePath(path);
            QDir().mkpath(QFileInfo(file).path());
            QFile page(file);
            if (page.open(QIODevice::WriteOnly)) {
                page.write("<html><body><h1>Quorvale</h1></body></html>");
            }
        }
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start(QStringLiteral(QV_PYTHON),
                      {u"-u"_s, u"-m"_s, u"http.server"_s, u"0"_s, u"--bind"_s, u"127.0.0.1"_s,
                       u"--directory"_s, folder_.path()});
        static const QRegularExpression kPort(u"port (\\d+)"_s);
        while (server_.waitForReadyRead(10000)) {
            said_ += server_.readAll();
            if (const auto match = kPort.match(QString::fromUtf8(said_)); match.hasMatch()) {
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
    /// What the server has said so far: a line per request, with its path.
    [[nodiscard]] QByteArray log() {
        said_ += server_.readAll();
        return said_;
    }

private:
    QTemporaryDir folder_;
    QProcess server_;
    QByteArray said_;
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

} // namespace qv::forms::test
