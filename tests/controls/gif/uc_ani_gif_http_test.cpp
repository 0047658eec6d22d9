#include "controls/gif/uc_ani_gif.h"
#include "forms/forms.h"
#include "platform/fake/fake_time_service.h"
#include "platform/qt/qt_http_client.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::controls {
namespace {

class PlainForm : public forms::Form {
public:
    explicit PlainForm(forms::FormHost& host) : Form(host, u"PlainForm"_s) {
        move(0, 0, 15360, 11520);
    }
};

// A local HTTP server over a folder, started by the test.
class HttpFolder {
public:
    HttpFolder() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        port_ = probe.serverPort();
        probe.close();
        server_.setWorkingDirectory(dir_.path());
        server_.start(u"python3"_s, {u"-m"_s, u"http.server"_s, QString::number(port_), u"--bind"_s,
                                     u"127.0.0.1"_s});
        server_.waitForStarted();
    }
    ~HttpFolder() {
        server_.kill();
        server_.waitForFinished();
    }
    HttpFolder(const HttpFolder&) = delete;
    HttpFolder& operator=(const HttpFolder&) = delete;

    QString put(const QString& name, const QByteArray& bytes) {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return u"http://127.0.0.1:%1/%2"_s.arg(port_).arg(name);
    }
    // Waits until the server answers.
    [[nodiscard]] bool ready() const {
        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, port_);
            if (socket.waitForConnected(200)) {
                return true;
            }
            QThread::msleep(50);
        }
        return false;
    }

private:
    QTemporaryDir dir_;
    QProcess server_;
    quint16 port_ = 0;
};

// Delivers Qt events until `done` or a generous bound passes.
template <class Done>
void deliverUntil(Done done) {
    const QDeadlineTimer deadline(20000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

TEST(AniGifHttpTest, AFourteenByteDownloadFailsAndAFifteenByteGifCompletes) {
    if (QStandardPaths::findExecutable(u"python3"_s).isEmpty()) {
        GTEST_SKIP() << "python3 is not installed";
    }
    HttpFolder server;
    ASSERT_TRUE(server.ready());
    platform::fake::FakeTimeService time;
    platform::qt::QtHttpClient http;
    forms::FormHost host{time};
    ucAniGIF gif{host.get<PlainForm>(), u"ucAni"_s, time, http};
    int failures = 0;
    std::pair<double, double> completed{-1, -1};
    gif.gifEvents.RemoteLoadFailure = [&] {
        ++failures;
    };
    gif.gifEvents.RemoteLoadComplete = [&](double w, double h, bool&) {
        completed = {w, h};
    };

    gif.LoadAnimatedGIF_Remote(
        server.put(u"short.gif"_s, QByteArray("GIF89a\x55\x00\x2A\x00\x00\x00\x00\x3B", 14)));
    deliverUntil([&] { return failures > 0; });
    EXPECT_EQ(failures, 1);

    gif.LoadAnimatedGIF_Remote(
        server.put(u"tiny.gif"_s, QByteArray("GIF89a\x55\x00\x2A\x00\x00\x00\x00\x3B\x00", 15)));
    deliverUntil([&] { return completed.first >= 0; });
    EXPECT_EQ(completed, std::make_pair(85.0 * 15, 42.0 * 15));
    EXPECT_EQ(failures, 1);

    gif.LoadAnimatedGIF_Remote(u"http://127.0.0.1:1/none.gif"_s);
    deliverUntil([&] { return failures > 1; });
    EXPECT_EQ(failures, 2);
}

} // namespace
} // namespace qv::controls
