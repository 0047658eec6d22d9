#include "common/picture_resources.h"
#include "shop/goods_window.h"
#include "shop/recharge_address.h"
#include "shop_fixture.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

using testing_support::catalogued;
using testing_support::ShopTable;

/// A table whose catalogue knows goods 7 ("灯笼", exchangeable) and 8 ("鞭炮"), and whose bag
/// holds `bag` as (id, count).
struct GoodsTable : ShopTable {
    explicit GoodsTable(std::initializer_list<std::pair<std::int32_t, std::int32_t>> bag) {
        Goods& goods = client.shop.goods;
        goods.GoodsInfo.push_back(catalogued(7, u"灯笼"_s, u"个"_s));
        goods.GoodsInfo.back().description = u"红灯笼"_s;
        goods.GoodsInfo.back().exchangeable = 1;
        goods.GoodsInfo.push_back(catalogued(8, u"鞭炮"_s, u"挂"_s));
        for (const auto& [id, count] : bag) {
            goods.MyGoods.push_back({id, count, CatalogueIndex(goods, id)});
        }
        BuildBagSlots(goods);
    }
    std::int16_t show(std::int16_t page) {
        window.ShowGoodsPage(page);
        return page;
    }
    /// The counts of the visible tiles.
    [[nodiscard]] QStringList counts() const {
        QStringList all;
        for (int j = 1; j <= 12; ++j) {
            if (window.iPic1(j).visible()) {
                all << window.LblNum(j).caption();
            }
        }
        return all;
    }

    FrmGoods& window = GoodsWindow(client.forms);
};

TEST(GoodsWindow, PagesHoldTwelveTilesAndAPageBeyondTheLastShowsTheLast) {
    struct Case {
        std::int16_t asked;
        std::int16_t shown;
        QString label;
        qsizetype tiles;
    };
    const std::vector<Case> cases{
        {1, 1, u"1/2"_s, 12}, {2, 2, u"2/2"_s, 1}, {5, 2, u"2/2"_s, 1}, {0, 1, u"1/2"_s, 12}};
    for (const Case& c : cases) {
        GoodsTable t{{8, 12}};
        for (int n = 0; n < 12; ++n) {
            t.client.shop.goods.MyGoods.push_back({7, n + 1, 1});
        }
        BuildBagSlots(t.client.shop.goods);
        EXPECT_EQ(t.show(c.asked), c.shown) << c.asked;
        EXPECT_EQ(t.window.tag(), QString::number(c.shown)) << c.asked;
        EXPECT_EQ(t.window.LblshowPage.caption(), c.label) << c.asked;
        EXPECT_EQ(t.counts().size(), c.tiles) << c.asked;
        EXPECT_TRUE(t.window.ImgPage(0).visible() && t.window.ImgPage(1).visible());
        EXPECT_EQ(t.window.LblNum(0).caption(), c.shown == 1 ? u"鞭炮"_s : u"灯笼"_s);
    }
    GoodsTable t{{8, 1}, {7, 2}, {7, 3},  {7, 4},  {7, 5},  {7, 6}, {7, 7},
                 {7, 8}, {7, 9}, {7, 10}, {7, 11}, {7, 12}, {7, 13}};
    t.show(2);
    EXPECT_EQ(t.counts(), QStringList{u"13"_s});
    t.window.ImgPage_Click(1);
    EXPECT_EQ(t.window.LblshowPage.caption(), u"2/2"_s);
    t.window.ImgPage_Click(0);
    EXPECT_EQ(t.window.LblshowPage.caption(), u"1/2"_s);
    EXPECT_EQ(t.counts().first(), u"1"_s);
    t.window.ImgPage_Click(0);
    EXPECT_EQ(t.window.LblshowPage.caption(), u"1/2"_s);
    t.window.LblshowPage.setCaption(u"1/2/3"_s);
    t.window.ImgPage_Click(1);
    EXPECT_EQ(t.window.LblshowPage.caption(), u"1/2/3"_s);
}

TEST(GoodsWindow, AnEmptyBagShowsNothingAtAll) {
    GoodsTable t{{7, 3}};
    t.show(1);
    t.client.shop.goods.MyGoods.assign(1, {});
    BuildBagSlots(t.client.shop.goods);
    EXPECT_EQ(t.show(3), 1);
    EXPECT_TRUE(t.counts().isEmpty());
    const std::vector<const forms::Control*> hidden{&t.window.ImgPage(0), &t.window.ImgPage(1),
                                                    &t.window.ImgSelected, &t.window.LblExchange,
                                                    &t.window.iPic1(0)};
    for (const forms::Control* control : hidden) {
        EXPECT_FALSE(control->visible()) << control->name().toStdString();
    }
    EXPECT_EQ(t.window.LblshowPage.caption(), QString());
    EXPECT_EQ(t.window.LblNum(0).caption(), QString());
    EXPECT_EQ(t.window.RTBGoodsDes.caption(), QString());
}

TEST(GoodsWindow, SelectingShowsTheGoodsOnceAndMovesTheFrameToEveryTileClicked) {
    // 25,000,000 lanterns fill three tiles, the crackers the fourth.
    GoodsTable t{{7, 25'000'000}, {8, 2}};
    GoodsInfoEntry& lantern = t.client.shop.goods.GoodsInfo[1];
    lantern.picture = common::LoadGifPicture(1880, u"GIF"_s);
    lantern.pictureLoaded = true;
    t.show(1);
    EXPECT_EQ(t.counts(), (QStringList{u"9999999"_s, u"9999999"_s, u"5000002"_s, u"2"_s}));
    EXPECT_EQ(t.window.iPic1(1).toolTipText(), u"灯笼"_s);
    EXPECT_EQ(t.window.iPic1(1).picture(), lantern.picture);
    EXPECT_EQ(t.window.iPic1(4).picture(), common::LoadGifPicture(786, u"GIF"_s));
    EXPECT_EQ(t.window.LblNum(0).caption(), u"灯笼"_s);
    EXPECT_EQ(t.window.RTBGoodsDes.caption(), u"红灯笼"_s);
    EXPECT_TRUE(t.window.LblExchange.visible());
    EXPECT_EQ(t.window.iPic1(0).picture(), lantern.picture);

    // Another stack of the same goods changes nothing but the frame.
    t.window.RTBGoodsDes.setCaption(u"typed"_s);
    t.window.iPic1.events.click(2);
    EXPECT_EQ(t.window.RTBGoodsDes.caption(), u"typed"_s);
    EXPECT_EQ(t.window.ImgSelected.left(), t.window.iPic1(2).left() - 5);
    EXPECT_EQ(t.window.ImgSelected.top(), t.window.iPic1(2).top() - 5);

    // Goods that cannot be exchanged hide the link; without a picture the large one is empty.
    t.window.LblNum.events.click(4);
    EXPECT_EQ(t.window.LblNum(0).caption(), u"鞭炮"_s);
    EXPECT_FALSE(t.window.LblExchange.visible());
    EXPECT_TRUE(t.window.iPic1(0).picture().isNull());
    EXPECT_TRUE(t.window.iPic1(0).visible());

    // The large picture and the empty tiles select nothing.
    t.window.iPic1.events.click(0);
    t.window.iPic1.events.click(9);
    EXPECT_EQ(t.window.ImgSelected.left(), t.window.iPic1(4).left() - 5);
}

TEST(GoodsWindow, TheBagMessagesRenderTheCurrentPageOfAHiddenWindow) {
    ShopTable t;
    t.client.shop.goods.GoodsInfo.push_back(catalogued(7, u"灯笼"_s, u"个"_s));
    connection::GameMessage list;
    list.setCommand(connection::MsgBagList);
    list.setU8(16, 1);
    list.setU16le(17, 7);
    list.setU32le(19, 4);
    t.dispatch(list);
    auto* window = t.client.forms.find<FrmGoods>();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->visible());
    EXPECT_TRUE(window->topmost());
    EXPECT_EQ(window->LblNum(1).caption(), u"4"_s);

    connection::GameMessage item;
    item.setCommand(connection::MsgBagItem);
    item.setU16le(16, 7);
    item.setU32le(18, 9);
    t.dispatch(item);
    EXPECT_EQ(window->LblNum(1).caption(), u"9"_s);
}

TEST(GoodsWindow, ButtonsLightUntilThePointerIsBackOnTheBodyAndTheLinkOpensTheExchangePage) {
    GoodsTable t{{7, 1}};
    t.client.shop.SiteAddress = u"http://127.0.0.1:8080"_s;
    FrmGoods& w = t.window;
    w.ImgPage_MouseMove(0);
    w.ImgPage_MouseMove(1);
    w.ImgClose_MouseMove();
    EXPECT_EQ(w.ImgPage(0).picture(), common::LoadGifPicture(1641, u"GIF"_s));
    EXPECT_EQ(w.ImgPage(1).picture(), common::LoadGifPicture(1643, u"GIF"_s));
    EXPECT_EQ(w.ImgClose.picture(), common::LoadGifPicture(1551, u"GIF"_s));
    w.Form_MouseMove();
    EXPECT_EQ(w.ImgPage(1).picture(), common::LoadGifPicture(1642, u"GIF"_s));
    EXPECT_EQ(w.ImgClose.picture(), common::LoadGifPicture(1550, u"GIF"_s));
    EXPECT_EQ((QStringList{w.ImgPage(0).tag(), w.ImgPage(1).tag(), w.ImgClose.tag()}),
              (QStringList{u"0"_s, u"0"_s, u"0"_s}));

    w.LblExchange.raiseClick();
    EXPECT_EQ(t.platform.shell.opened_,
              std::vector<QString>{ExchangeAddress(u"http://127.0.0.1:8080"_s)});
    w.show();
    w.ImgClose.raiseClick();
    EXPECT_FALSE(w.visible());
    EXPECT_NE(t.client.forms.find<FrmGoods>(), nullptr);
}

/// A picture queue of `entries` (id, address, name), ready to run.
void queue(GoodsTable& t,
           std::initializer_list<std::tuple<std::int32_t, QString, QString>> entries) {
    GoodsPictures& pictures = t.client.shop.goodsPictures;
    ResetGoodsPictureQueue(pictures, t.platform.appFolder.cachePath());
    for (const auto& [id, url, name] : entries) {
        pictures.GoodsPicQueue.push_back({.id = id, .url = url, .name = name, .ext = u".png"_s});
    }
    pictures.GoodsPicPending = 1;
}

TEST(GoodsPictureQueue, GivesAnEntryThreeTriesThenMovesOnAndStops) {
    GoodsTable t{{7, 1}};
    queue(t, {{7, u"http://h/a.png"_s, u"a"_s}, {8, u"http://h/b.png"_s, u"b"_s}});
    auto& http = t.platform.http;
    std::vector<QString> asked;
    for (int tick = 0; tick < 6; ++tick) {
        t.window.Timer1_Timer();
        asked.push_back(http.url(http.lastRequest()));
        http.fail(http.lastRequest());
    }
    EXPECT_EQ(asked, (std::vector<QString>{u"http://h/a.png"_s, u"http://h/a.png"_s,
                                           u"http://h/a.png"_s, u"http://h/b.png"_s,
                                           u"http://h/b.png"_s, u"http://h/b.png"_s}));
    t.window.Timer1_Timer();
    EXPECT_TRUE(t.window.Timer1.enabled());
    t.window.Timer1_Timer();
    EXPECT_EQ(http.pendingCount(), 0U);
    EXPECT_EQ(t.client.shop.goodsPictures.GoodsPicPending, 0);
    EXPECT_FALSE(t.window.Timer1.enabled());
}

TEST(GoodsPictureQueue, ClosingTheWindowMidDownloadDropsItAndWritesNothing) {
    GoodsTable t{{7, 1}};
    queue(t, {{7, u"http://h/a.png"_s, u"a"_s}});
    t.window.Timer1_Timer();
    ASSERT_EQ(t.platform.http.pendingCount(), 1U);
    t.client.forms.unload<FrmGoods>();
    EXPECT_EQ(t.platform.http.pendingCount(), 0U);
    EXPECT_TRUE(QDir(t.client.shop.goodsPictures.GoodsResFolder).isEmpty());
}

TEST(GoodsPictureQueue, PictureNamesKeepOnlyTheirLastPart) {
    const std::vector<std::pair<QString, QString>> cases{{u"cup"_s, u"cup"_s},
                                                         {u"../../etc/cup"_s, u"cup"_s},
                                                         {u"C:\\x\\cup"_s, u"cup"_s},
                                                         {u"a/.."_s, QString()},
                                                         {u"dir/"_s, QString()},
                                                         {u"c\nup"_s, QString()},
                                                         {u"\\\\host\\share\\."_s, QString()}};
    for (const auto& [name, plain] : cases) {
        EXPECT_EQ(PlainFileName(name), plain) << name.toStdString();
    }
}

} // namespace
} // namespace qv::shop
