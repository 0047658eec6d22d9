#include "app/client.h"
#include "platform/fake/fake_platform.h"
#include "platform/qt/qt_http_client.h"
#include "shop/goods_window.h"
#include "support/http_test_server.h"
#include "table/main_form.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

QByteArray smallPicture() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

/// A client on fake services but a real HTTP client, its goods window over a catalogue of goods
/// 1 to 6, one of each in the bag, and the tests' HTTP server.
struct Served {
    Served() {
        platform.screen.size_ = {1024, 768};
        client.forms.get<table::MainForm>().Form_Load();
        Goods& goods = client.shop.goods;
        for (std::int32_t id = 1; id <= 6; ++id) {
            GoodsInfoEntry entry;
            entry.id = id;
            entry.pictureFile = u"pic%1"_s.arg(id);
            entry.pictureExt = u".png"_s;
            goods.GoodsInfo.push_back(entry);
            goods.MyGoods.push_back({id, 1, static_cast<std::int16_t>(id)});
        }
        BuildBagSlots(goods);
        ResetGoodsPictureQueue(client.shop.goodsPictures, platform.appFolder.cachePath());
    }
    /// Queues the picture of goods `id` from `path` on the server, under the name `name`.
    void queue(std::int32_t id, const QString& path, const QString& name) {
        client.shop.goodsPictures.GoodsPicQueue.push_back(
            {.id = id, .url = server.url(path), .name = name, .ext = u".png"_s});
        client.shop.goodsPictures.GoodsPicPending = 1;
    }
    /// Runs the window's pump, delivering the downloads, until it stops itself.
    void pump() {
        const QDeadlineTimer deadline(60000);
        while (window.Timer1.enabled() && !deadline.hasExpired()) {
            window.Timer1_Timer();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    }
    /// The names of the files in `folder`, joined by blanks.
    [[nodiscard]] static std::string files(const QString& folder) {
        return QDir(folder).entryList(QDir::Files, QDir::Name).join(u' ').toStdString();
    }

    test::HttpTestServer server;
    platform::fake::FakePlatform platform;
    platform::qt::QtHttpClient http;
    platform::Services services = platform.withHttp(http);
    Client client{services};
    FrmGoods& window = GoodsWindow(client.forms);
};

TEST(GoodsPicturesServed, OnlyAPictureAnsweredWithSuccessIsKeptAndTheQueueEnds) {
    Served t;
    ASSERT_NE(t.server.port(), 0);
    ASSERT_TRUE(t.server.put(u"pic.png"_s, smallPicture()));
    ASSERT_TRUE(t.server.put(u"text.png"_s, "404 Not Found"));
    t.queue(1, u"pic.png"_s, u"../../pic1"_s);
    t.queue(2, u"status/404/Not%20Found"_s, u"pic2"_s);
    t.queue(3, u"status/404/nOT%20fOUND"_s, u"pic3"_s);
    t.queue(4, u"error.xml"_s, u"pic4"_s);
    t.queue(5, u"redirect/pic.png"_s, u"pic5"_s);
    t.queue(6, u"text.png"_s, u"pic6"_s);
    t.pump();

    EXPECT_FALSE(t.window.Timer1.enabled());
    EXPECT_EQ(t.client.shop.goodsPictures.GoodsPicPending, 0);
    EXPECT_EQ(t.files(t.client.shop.goodsPictures.GoodsResFolder), "pic1.png");
    EXPECT_EQ(t.files(t.platform.appFolder.path()), "");
    EXPECT_EQ(t.files(t.platform.appFolder.cachePath()), "");
    const GoodsInfoEntry& first = t.client.shop.goods.GoodsInfo[1];
    EXPECT_TRUE(first.pictureLoaded);
    EXPECT_EQ(first.picture.size(), QSize(3, 2));
    EXPECT_EQ(t.window.iPic1(1).picture().size(), QSize(3, 2));
    EXPECT_FALSE(t.client.shop.goods.GoodsInfo[5].pictureLoaded);
    // The picture once; every failure three times, the redirection never followed.
    const QStringList asked = t.server.requested();
    EXPECT_EQ(asked.count(u"pic.png"_s), 1);
    for (const QString& failing : {u"status/404/Not%20Found"_s, u"status/404/nOT%20fOUND"_s,
                                   u"error.xml"_s, u"redirect/pic.png"_s, u"text.png"_s}) {
        EXPECT_EQ(asked.count(failing), 3) << failing.toStdString();
    }
}

TEST(GoodsPicturesServed, ClosingTheWindowMidDownloadWritesNothing) {
    Served t;
    ASSERT_TRUE(t.server.put(u"pic.png"_s, smallPicture()));
    t.queue(1, u"pic.png"_s, u"pic1"_s);
    t.window.Timer1_Timer();
    t.client.forms.unload<FrmGoods>();
    const QDeadlineTimer deadline(2000);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(t.files(t.client.shop.goodsPictures.GoodsResFolder), "");
    EXPECT_EQ(t.files(t.platform.appFolder.cachePath()), "");
}

} // namespace
} // namespace qv::shop
