#include "app/client.h"
#include "common/md5.h"
#include "match_fixture.h"
#include "platform/qt/qt_http_client.h"
#include "support/http_test_server.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::match {
namespace {

using testing_support::Msg;

const QByteArray kConfig =
    "<cfg><matchinfo n=\"1\"><m1 id=\"5\" na=\"a\" rm=\"\" mtype=\"2\" ex=\"\" ut=\"1\" utl=\"1\" "
    "des=\"\" rl=\"\" pz=\"1;g:500\"/></matchinfo></cfg>";
const QByteArray kOld = "<old/>";

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

/// A client on fake services but a real HTTP client, and the configuration server of the tests.
struct Served {
    Served() {
        put(u"cfg.xml"_s, kConfig);
        put(u"wrong.xml"_s, "<html>a page</html>");
        put(u"empty.xml"_s, QByteArray());
        port = server.port();
        platform.screen.size_ = {1024, 768};
        form.Form_Load();
        client.conn.g_bLoggedIn = true;
    }

    void put(const QString& name, const QByteArray& bytes) const {
        ASSERT_TRUE(server.put(name, bytes));
    }
    /// Announces `name` on the server with the digest of the good configuration, and waits for
    /// the download to end.
    void announce(const QString& name) {
        Msg msg(80);
        msg.bytes(16, GetBytesMd5(static_cast<std::int32_t>(kConfig.size()), kConfig).toLatin1());
        msg.bytes(48, server.url(name).toLatin1());
        connection::GameMessage m = msg.m;
        connection::DispatchFrame(client.conn, m);
        const QDeadlineTimer deadline(20000);
        while (client.match.g_bMatchDownloading && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
    }
    [[nodiscard]] int requests() const { return static_cast<int>(server.requested().size()); }
    [[nodiscard]] QString local(const QString& name) const {
        return QDir(platform.appFolder.path()).filePath(name);
    }

    test::HttpTestServer server;
    int port = 0;
    platform::fake::FakePlatform platform;
    platform::qt::QtHttpClient http;
    platform::Services services = platform.withHttp(http);
    Client client{services};
    table::MainForm& form = client.forms.get<table::MainForm>();
};

TEST(MatchDownloadServed, OnlyACompleteBodyWithTheDigestReplacesTheFile) {
    struct Case {
        QString name;
        bool loaded;
    };
    const std::vector<Case> cases{{u"cfg.xml"_s, true},    {u"missing.xml"_s, false},
                                  {u"error.xml"_s, false}, {u"wrong.xml"_s, false},
                                  {u"empty.xml"_s, false}, {u"dropped.xml"_s, false}};
    for (const Case& c : cases) {
        Served t;
        ASSERT_NE(t.port, 0);
        {
            QFile old(t.local(c.name));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write(kOld);
        }
        t.announce(c.name);
        const MatchState& s = t.client.match;
        EXPECT_FALSE(s.g_bMatchDownloading) << c.name.toStdString();
        EXPECT_EQ(s.g_bMatchOn, c.loaded) << c.name.toStdString();
        EXPECT_EQ(readFile(t.local(c.name)), c.loaded ? kConfig : kOld) << c.name.toStdString();
        EXPECT_EQ(t.requests(), 1) << c.name.toStdString();
        // A list message after a failed download finds the tournaments off.
        connection::GameMessage list = Msg(74).m;
        connection::DispatchFrame(t.client.conn, list);
        EXPECT_EQ(s.g_bMyMatchList, c.loaded) << c.name.toStdString();
    }
}

TEST(MatchDownloadServed, AFileInStepIsNotDownloadedAgain) {
    Served t;
    t.announce(u"cfg.xml"_s);
    ASSERT_TRUE(t.client.match.g_bMatchOn);
    t.client.match.g_bMatchOn = false;
    t.announce(u"cfg.xml"_s);
    EXPECT_TRUE(t.client.match.g_bMatchOn);
    EXPECT_EQ(t.requests(), 1);
}

} // namespace
} // namespace qv::match
