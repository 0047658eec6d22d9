#include "shop/winners.h"
#include "shop_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

using testing_support::ShopTable;

struct Rec {
    std::int32_t id;
    std::uint8_t kind = 0;
    std::vector<std::pair<std::int16_t, std::int32_t>> items{};
    QByteArray remark = "r";
    std::int32_t time = 0;
};

/// A reply with the records back to back from byte 19.
connection::GameMessage reply(const std::vector<Rec>& records, std::uint8_t refresh = 0,
                              int declared = -1) {
    connection::GameMessage m;
    m.setCommand(connection::MsgPrizeList);
    m.setU8(16, 4);
    m.setU8(17, refresh);
    m.setU8(18, static_cast<std::uint8_t>(declared < 0 ? records.size() : declared));
    int at = 19;
    for (const Rec& r : records) {
        const int size = 56 + 6 * static_cast<int>(r.items.size());
        if (at + size > 272) {
            break;
        }
        m.setU32le(at, static_cast<std::uint32_t>(r.id));
        m.writeBytes(at + 4, "nick" + QByteArray::number(r.id));
        m.setU32le(at + 20, static_cast<std::uint32_t>(r.time));
        m.writeBytes(at + 24, r.remark);
        m.setU16le(at + 48, 7);
        m.setU32le(at + 50, 1000);
        m.setU8(at + 54, static_cast<std::uint8_t>(r.items.size()));
        int item = at + 55;
        for (const auto& [id, count] : r.items) {
            m.setU16le(item, static_cast<std::uint16_t>(id));
            m.setU32le(item + 2, static_cast<std::uint32_t>(count));
            item += 6;
        }
        m.setU8(item, r.kind);
        at += size;
    }
    return m;
}

std::vector<std::int32_t> rows(const ShopState& state) {
    std::vector<std::int32_t> ids;
    for (std::size_t i = 1; i < state.PrizeList.size(); ++i) {
        ids.push_back(state.PrizeList[i].RecordId);
    }
    return ids;
}

std::vector<std::int32_t> slots(const ShopState& state) {
    return {state.BigPrizes[1].RecordId, state.BigPrizes[2].RecordId, state.BigPrizes[3].RecordId};
}

PrizeRecord record(std::int32_t id, std::uint8_t kind) {
    PrizeRecord r;
    r.RecordId = id;
    r.PrizeKind = kind;
    return r;
}

TEST(Winners, TheFirstOpeningAsksForEverythingAndTheReplyFillsTheOpenPanel) {
    ShopTable t;
    t.form.bt_prizesort.events.click();
    auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].command(), connection::MsgPrizeList);
    EXPECT_EQ(sent[0].u32le(16), 0U);
    EXPECT_TRUE(t.form.Pic_prizesort.visible());

    t.dispatch(reply({{30}, {20}, {10}}));
    EXPECT_EQ(rows(t.client.shop), (std::vector<std::int32_t>{30, 20, 10, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ShownPrizeRows(t.client.shop).size(), 3U);

    // Reopening with rows known asks nothing; after a refresh request it asks from row 1.
    t.form.bt_prizesort.events.click();
    t.form.bt_prizesort.events.click();
    EXPECT_TRUE(t.sent().empty());
    t.dispatch(reply({}, 255));
    t.form.bt_prizesort.events.click();
    t.form.bt_prizesort.events.click();
    sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].u32le(16), 30U);

    int esc = 27;
    t.form.Pic_prizesort.events.keyDown(esc, 0);
    EXPECT_FALSE(t.form.Pic_prizesort.visible());
}

TEST(Winners, KeepsTheNineNewestRowsAndOlderOnesOfEachKindInTheSlots) {
    ShopState state;
    for (const std::int32_t id : {30, 20, 10}) {
        InsertPrizeRecord(state, record(id, 1));
    }
    InsertPrizeRecord(state, record(20, 1));
    InsertPrizeRecord(state, record(40, 1));
    EXPECT_EQ(rows(state), (std::vector<std::int32_t>{40, 30, 20, 10, 0, 0, 0, 0, 0}));
    for (const std::int32_t id : {50, 60, 70, 80, 90}) {
        InsertPrizeRecord(state, record(id, 2));
    }
    EXPECT_EQ(state.BigPrizeCount, 0);
    // Row 9 is pushed out into a free slot, then the next of its kind over it.
    InsertPrizeRecord(state, record(100, 2));
    EXPECT_EQ(slots(state), (std::vector<std::int32_t>{10, 0, 0}));
    EXPECT_EQ(state.BigPrizeCount, 1);
    // With one slot taken, the record that leaves row 8 is the one that goes behind it.
    InsertPrizeRecord(state, record(110, 255));
    EXPECT_EQ(slots(state), (std::vector<std::int32_t>{30, 0, 0}));
    InsertPrizeRecord(state, record(120, 1));
    EXPECT_EQ(slots(state), (std::vector<std::int32_t>{40, 0, 0}));
    // A record older than every row may still take a slot, and the row now behind the slots
    // takes the last one.
    InsertPrizeRecord(state, record(5, 3));
    EXPECT_EQ(slots(state), (std::vector<std::int32_t>{40, 5, 50}));
    EXPECT_EQ(state.BigPrizeCount, 2);
    // With two slots, rows 8 and 9 show them.
    const auto shown = ShownPrizeRows(state);
    ASSERT_EQ(shown.size(), 9U);
    EXPECT_EQ(shown[7][2], state.BigPrizes[1].Nickname);
    EXPECT_EQ(shown[8][5], QString::number(state.BigPrizes[2].Value16));
}

TEST(Winners, DecodesOnlyRecordsWithinTheMessage) {
    const auto ids = [](const connection::GameMessage& m) {
        std::vector<std::int32_t> all;
        const PrizeListReply decoded = DecodePrizeList(m).value();
        for (const PrizeRecord& r : decoded.records) {
            all.push_back(r.RecordId);
        }
        return all;
    };
    EXPECT_EQ(ids(reply({{1}, {2}, {3}, {4}, {5}})), (std::vector<std::int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(ids(reply({{1}, {2}}, 0, 9)), (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(ids(reply({{0}, {-5}, {6}})), (std::vector<std::int32_t>{6}));
    auto many = reply({{1}});
    many.setU8(19 + 54, 255);
    EXPECT_TRUE(ids(many).empty());
    auto other = reply({{1}}, 255);
    other.setU8(16, 3);
    EXPECT_FALSE(DecodePrizeList(other));
}

TEST(Winners, ShowsTimesAtUtcPlus8CutRemarksAndCataloguedItems) {
    ShopTable t;
    t.sellCigarettes(1);
    auto& info = t.client.shop.goods.GoodsInfo;
    info.push_back(testing_support::catalogued(5, u"A"_s, u"U"_s));
    info.push_back(testing_support::catalogued(6, u"B"_s, u"V"_s));
    const QByteArray twoBytes = QByteArray(21, 'x') + "\xc4\xe3";
    const auto m = reply({{4, 0, {{5, 2}, {6, 7}}, QByteArray(24, 'a'), 0},
                          {3, 0, {{9, 1}}, QByteArray(22, 'b'), 86400 * 31},
                          {2, 0, {}, twoBytes, -8 * 3600}});
    t.dispatch(m);
    const auto shown = ShownPrizeRows(t.client.shop);
    ASSERT_EQ(shown.size(), 3U);
    EXPECT_EQ(shown[0][0], u"01-01 08:00"_s);
    EXPECT_EQ(shown[0][1], QString(22, u'a') + u"..."_s);
    EXPECT_EQ(shown[0][4], u"A2U B7V "_s);
    EXPECT_EQ(shown[1][0], u"02-01 08:00"_s);
    EXPECT_EQ(shown[1][1], QString(22, u'b'));
    EXPECT_EQ(shown[1][4], QString());
    EXPECT_EQ(shown[2][0], u"01-01 00:00"_s);
    EXPECT_EQ(shown[2][1], QString(21, u'x') + u"..."_s);
}

} // namespace
} // namespace qv::shop
