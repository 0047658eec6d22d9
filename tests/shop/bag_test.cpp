#include "shop/bag.h"
#include "shop/goods.h"
#include "shop/user_chips.h"
#include "shop_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

using testing_support::Order;
using testing_support::orders;
using testing_support::ShopTable;

connection::GameMessage
bagList(std::initializer_list<std::pair<std::uint16_t, std::uint32_t>> items, int declared = -1) {
    connection::GameMessage m;
    m.setCommand(connection::MsgBagList);
    m.setU8(16, static_cast<std::uint8_t>(declared < 0 ? items.size() : declared));
    int at = 17;
    for (const auto& [id, count] : items) {
        m.setU16le(at, id);
        m.setU32le(at + 2, count);
        at += 6;
    }
    return m;
}

connection::GameMessage bagItem(std::uint16_t id, std::uint32_t count) {
    connection::GameMessage m;
    m.setCommand(connection::MsgBagItem);
    m.setU16le(16, id);
    m.setU32le(18, count);
    return m;
}

std::vector<std::pair<std::int32_t, std::int32_t>> bag(const ShopTable& t) {
    std::vector<std::pair<std::int32_t, std::int32_t>> all;
    for (std::size_t i = 1; i < t.client.shop.goods.MyGoods.size(); ++i) {
        all.emplace_back(t.client.shop.goods.MyGoods[i].id, t.client.shop.goods.MyGoods[i].count);
    }
    return all;
}

using Bag = std::vector<std::pair<std::int32_t, std::int32_t>>;

TEST(ItemBag, TheListShowsTheCigarettesRefreshesTheChipsAndAsksForThePool) {
    ShopTable t;
    t.dispatch(bagList({{3, 20}, {7, 5}}));
    EXPECT_EQ(bag(t), (Bag{{3, 20}, {7, 5}}));
    EXPECT_EQ(t.form.Lb_mysmoke.caption(), u"20"_s);
    EXPECT_EQ(t.form.Txt_chip.text(), u"1"_s);
    EXPECT_TRUE(t.form.Bank.visible());
    const auto sent = t.sent();
    EXPECT_EQ(orders(sent), (std::vector<Order>{{3, 3, 1}}));
    EXPECT_EQ(sent.back().command(), connection::MsgNotice);

    t.client.conn.match.G_MatchType = 2;
    t.dispatch(bagList({}));
    EXPECT_EQ(t.form.Lb_mysmoke.caption(), u"0"_s);
    EXPECT_EQ(t.form.Txt_chip.text(), u"0"_s);
    EXPECT_TRUE(t.sent().empty());
}

TEST(ItemBag, TheLoginsResetEmptiesIt) {
    ShopTable t;
    t.dispatch(bagList({{3, 20}}));
    t.client.conn.matchReset->initMatchData();
    EXPECT_TRUE(bag(t).empty());
}

TEST(ItemBag, TakesOnlyTheItemsWithinTheMessage) {
    for (const int declared : {42, 43, 255}) {
        ShopTable t;
        auto m = bagList({}, declared);
        for (int i = 0; i < 42; ++i) {
            m.setU16le(17 + 6 * i, static_cast<std::uint16_t>(100 + i));
            m.setU32le(19 + 6 * i, 1);
        }
        t.dispatch(m);
        EXPECT_EQ(t.client.shop.goods.MyGoods.size(), 43U) << declared;
    }
}

TEST(ItemBag, CountsOutsideTheSignedRangeAreLeftOut) {
    ShopTable t;
    t.dispatch(bagList({{3, 20}, {7, 0x80000000U}, {9, 1}}));
    EXPECT_EQ(bag(t), (Bag{{3, 20}, {9, 1}}));
    t.dispatch(bagItem(3, 0xFFFFFFFFU));
    EXPECT_EQ(bag(t), (Bag{{3, 20}, {9, 1}}));
}

TEST(ItemBag, AnUpdateSetsRemovesOrAppendsOneGoods) {
    ShopTable t;
    t.dispatch(bagList({{3, 20}, {7, 5}, {9, 1}}));
    t.dispatch(bagItem(7, 0));
    EXPECT_EQ(bag(t), (Bag{{3, 20}, {9, 1}}));
    t.dispatch(bagItem(11, 0));
    EXPECT_EQ(bag(t), (Bag{{3, 20}, {9, 1}}));
    t.dispatch(bagItem(11, 4));
    t.dispatch(bagItem(9, 6));
    EXPECT_EQ(bag(t), (Bag{{3, 20}, {9, 6}, {11, 4}}));
}

struct CigaretteCase {
    const char* name;
    std::int32_t old;
    std::uint32_t now;
    QString box;
    std::int32_t saved;
    bool refreshed;
    bool skipNext;
};

class CigaretteUpdateTest : public testing::TestWithParam<CigaretteCase> {};

TEST_P(CigaretteUpdateTest, RefreshesTheChipsWhenTheBoxNoLongerFits) {
    const CigaretteCase& c = GetParam();
    ShopTable t;
    t.ownCigarettes(c.old);
    t.client.shop.RoomChipCap = 99;
    SaveUserChip(t.userInfo(), u"me"_s, c.saved);
    t.form.Txt_chip.setText(c.box);
    t.client.shop.isUpdateChipNum = false;
    t.sent();
    t.dispatch(bagItem(3, c.now));
    EXPECT_EQ(!orders(t.sent()).empty(), c.refreshed);
    EXPECT_EQ(t.client.shop.isUpdateChipNum, c.skipNext);
    EXPECT_EQ(t.form.Lb_mysmoke.caption(), QString::number(c.now));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CigaretteUpdateTest,
    testing::Values(CigaretteCase{"fell_below_box", 20, 10, u"15"_s, 15, true, true},
                    CigaretteCase{"fell_box_fits", 20, 10, u"5"_s, 5, false, true},
                    CigaretteCase{"rose_box_saved", 10, 20, u"5"_s, 5, false, false},
                    CigaretteCase{"rose_box_not_saved", 10, 20, u"4"_s, 6, true, false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(GoodsRecords, SlotsHoldAtMostSevenNinesAndOnlyCataloguedGoods) {
    Goods goods;
    goods.MyGoods.push_back({5, 25'000'000, 1});
    goods.MyGoods.push_back({6, 19'999'998, 1});
    goods.MyGoods.push_back({7, 100, 0});
    BuildBagSlots(goods);
    std::vector<std::int32_t> counts;
    for (std::size_t i = 1; i < goods.MyGoodsShow.size(); ++i) {
        counts.push_back(goods.MyGoodsShow[i].count);
    }
    EXPECT_EQ(counts,
              (std::vector<std::int32_t>{9'999'999, 9'999'999, 5'000'002, 9'999'999, 9'999'999}));

    Goods uncatalogued;
    uncatalogued.MyGoods.push_back({3, 20, 0});
    uncatalogued.MyGoods.push_back({3, 30, 0});
    BuildBagSlots(uncatalogued);
    EXPECT_EQ(uncatalogued.MyGoodsShow.size(), 1U);
    EXPECT_EQ(GetGoodsCount(uncatalogued, 3), 20);
    EXPECT_EQ(GetGoodsPrice(uncatalogued, 3), 0);
    EXPECT_EQ(FindGoodsIndex(uncatalogued, 3), -1);

    uncatalogued.GoodsInfo.push_back(testing_support::catalogued(3, u"香烟"_s, u"根"_s, 70'000));
    EXPECT_EQ(GetGoodsPrice(uncatalogued, 3), 70'000);
}

} // namespace
} // namespace qv::shop
