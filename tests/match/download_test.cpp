#include "common/md5.h"
#include "match/config_download.h"
#include "match_fixture.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::match {
namespace {

using testing_support::MatchTable;
using testing_support::Msg;

const QByteArray kConfig =
    "<cfg><matchinfo n=\"1\"><m1 id=\"5\" na=\"周赛\" rm=\"\" mtype=\"2\" ex=\"g:1\" ut=\"1\" "
    "utl=\"1\" des=\"\" rl=\"\" pz=\"1;g:500;1:2\"/></matchinfo></cfg>";

QString md5Of(const QByteArray& bytes) {
    return GetBytesMd5(static_cast<std::int32_t>(bytes.size()), bytes);
}

/// Command 80 with the digest and the address; the room values after the address's end.
Msg config(const QString& md5, const QByteArray& url, QByteArray room = QByteArray(8, '\0')) {
    return Msg(80).bytes(16, md5.toLatin1()).bytes(48, url).bytes(48 + url.size(), room);
}

struct Download : MatchTable {
    QString file(const QString& name) const {
        return QDir(platform.appFolder.path()).filePath(name);
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    platform::fake::FakeHttpClient& http = platform.http;
};

TEST(MatchDownload, TheAnnouncedAddressNamesAPlainFileOrSwitchesOff) {
    struct Case {
        QByteArray url;
        QString name;
    };
    const std::vector<Case> cases{
        {"http://h/cfg.xml", u"cfg.xml"_s},
        {"cfg.xml", u"cfg.xml"_s},
        {"http://h/d/cfg.xml?v=2#x", u"cfg.xml"_s},
        {"http://h/", QString()},
        {"../x.xml", QString()},
        {"a\\b.xml", QString()},
        {"http://h/userinfo.ini", QString()},
        {"http://h/TMP.XML", QString()},
        {"http://h/c:fg.xml", QString()},
        {"http://h/..", QString()},
    };
    for (const Case& c : cases) {
        Download t;
        t.form.ImgShowMatch.setVisible(true);
        t.receive(config(md5Of(kConfig), c.url));
        const MatchState& s = t.client.match;
        EXPECT_EQ(s.MatchFileName, c.name) << c.url.constData();
        EXPECT_EQ(s.g_bMatchDownloading, !c.name.isEmpty()) << c.url.constData();
        EXPECT_EQ(t.http.pendingCount(), c.name.isEmpty() ? 0U : 1U) << c.url.constData();
        EXPECT_EQ(t.form.ImgShowMatch.visible(), !c.name.isEmpty()) << c.url.constData();
        EXPECT_TRUE(QDir(t.platform.appFolder.path()).isEmpty()) << c.url.constData();
    }
}

TEST(MatchDownload, AMatchingFileLoadsAtOnceAndTheRoomValuesFollowTheAddress) {
    Download t;
    t.write(u"cfg.xml"_s, kConfig);
    QByteArray room("\0\x07\0\x01\0\0\0\0", 8);
    t.receive(config(md5Of(kConfig).toUpper(), "http://h/cfg.xml", room));
    const MatchState& s = t.client.match;
    EXPECT_EQ(t.http.pendingCount(), 0U);
    EXPECT_TRUE(s.g_bMatchOn && s.g_bMatchLoaded);
    EXPECT_FALSE(s.g_bMatchDownloading);
    EXPECT_EQ(s.AllMatch.size(), 1);
    EXPECT_EQ(s.RoomSession, 7);
    EXPECT_EQ(s.RoomDirection, 2);
    EXPECT_EQ(s.RoomVip, 1);
    EXPECT_EQ(s.RoomBase, 200.0);

    // An address up to byte 255 and a byte 256 that is not 0: the room values stay.
    const QByteArray longUrl = "http://h/" + QByteArray(199 - 8, 'a') + "/cfg.xml";
    ASSERT_EQ(longUrl.size(), 208);
    t.receive(config(md5Of(kConfig), longUrl, QByteArray("\x01\x09\x09\x09\x09\x09\x09\x09", 8)));
    EXPECT_EQ(s.RoomSession, 7);
    EXPECT_EQ(s.RoomBase, 200.0);
    EXPECT_EQ(s.MatchFileName, u"cfg.xml"_s);
}

TEST(MatchDownload, OnlyABodyWithTheAnnouncedDigestReplacesTheFile) {
    const QByteArray old = "<old/>";
    struct Case {
        const char* name;
        QByteArray body;
        bool fails;
        bool loaded;
    };
    const std::vector<Case> cases{
        {"matching body", kConfig, false, true},
        {"wrong body", "<html>error</html>", false, false},
        {"empty body", QByteArray(), false, false},
        {"transfer failed", QByteArray(), true, false},
    };
    for (const Case& c : cases) {
        Download t;
        t.write(u"cfg.xml"_s, old);
        t.receive(config(md5Of(kConfig), "http://h/cfg.xml"));
        ASSERT_EQ(t.http.url(t.http.lastRequest()), u"http://h/cfg.xml"_s) << c.name;
        c.fails ? t.http.fail(t.http.lastRequest()) : t.http.complete(t.http.lastRequest(), c.body);
        const MatchState& s = t.client.match;
        EXPECT_EQ(s.g_bMatchOn, c.loaded) << c.name;
        EXPECT_FALSE(s.g_bMatchDownloading) << c.name;
        EXPECT_EQ(t.read(u"cfg.xml"_s), c.loaded ? kConfig : old) << c.name;
        // Later list messages find the tournaments off.
        t.receive(Msg(74).u8(16, 0));
        EXPECT_EQ(s.g_bMyMatchList, c.loaded) << c.name;
    }
}

TEST(MatchDownload, TheListWaitsForTheDownloadAndASecondAnnouncementStartsItAgain) {
    Download t;
    t.receive(config(md5Of("<first/>"), "http://h/first.xml"));
    const auto first = t.http.lastRequest();
    t.receive(config(md5Of(kConfig), "http://h/cfg.xml"));
    EXPECT_EQ(t.http.pendingCount(), 1U);
    EXPECT_TRUE(t.http.url(first).isEmpty());
    t.receive(Msg(82).u8(16, 1).u32(17, 5).u32(21, testing_support::kT0).u32(25, 3600));
    t.receive(Msg(74).u8(16, 1).u32(17, 5).u32(21, testing_support::kT0).u8(25, 0));
    EXPECT_FALSE(t.client.match.g_bMatchListShown);
    t.http.complete(t.http.lastRequest(), kConfig);
    const MatchState& s = t.client.match;
    EXPECT_TRUE(s.g_bMatchOn);
    EXPECT_TRUE(s.g_bMatchListShown);
    EXPECT_TRUE(t.form.ImgShowMatch.visible());
    EXPECT_TRUE(t.form.ImgOpenMatchBtn.visible());
    EXPECT_EQ(t.read(u"cfg.xml"_s), kConfig);
}

TEST(MatchDownload, LeavingTheTableDropsTheDownloadedBody) {
    Download t;
    t.receive(config(md5Of(kConfig), "http://h/cfg.xml"));
    t.client.match.g_bLeavingTable = true;
    t.http.complete(t.http.lastRequest(), kConfig);
    EXPECT_FALSE(t.client.match.g_bMatchOn);
    EXPECT_FALSE(t.client.match.g_bMatchDownloading);
    EXPECT_EQ(t.read(u"tmp.xml"_s), kConfig);
    EXPECT_FALSE(QFile::exists(t.file(u"cfg.xml"_s)));
}

} // namespace
} // namespace qv::match
