#include "common/ini_file.h"
#include "shop/chip_box.h"
#include "shop/user_chips.h"
#include "shop_fixture.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

using testing_support::Order;
using testing_support::orders;
using testing_support::ShopTable;

struct CapCase {
    const char* name;
    double roomInfo;
    std::vector<match::SortEntry> rooms;
    std::int32_t cap;
};

class RoomCapTest : public testing::TestWithParam<CapCase> {};

TEST_P(RoomCapTest, ComesFromTheRoomKeyOrTheOtherEntry) {
    const CapCase& c = GetParam();
    ShopTable t;
    t.client.conn.Detail[0].roomInfo = c.roomInfo;
    t.client.match.RoomChips.clear();
    for (const match::SortEntry& room : c.rooms) {
        t.client.match.RoomChips.push_back(room);
    }
    GetRoomChipNum(t.ctx);
    EXPECT_EQ(t.client.shop.RoomChipCap, c.cap);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoomCapTest,
    testing::Values(
        CapCase{"key0_other_reads_as_0", 0, {{u"other"_s, 5}}, 5},
        CapCase{"zero_cap_falls_to_other", 7 * 65536.0, {{u"7"_s, 0}, {u"other"_s, 20}}, 20},
        CapCase{"empty_table", 7 * 65536.0, {}, 99},
        CapCase{"no_match_no_other", 7 * 65536.0, {{u"8"_s, 30}}, 0},
        CapCase{"half_to_even_down", 2.5 * 65536, {{u"2"_s, 12}, {u"3"_s, 13}}, 12},
        CapCase{"half_to_even_up", 3.5 * 65536, {{u"3"_s, 13}, {u"4"_s, 14}}, 14},
        CapCase{"key_modulo_256", 259 * 65536.0, {{u"3"_s, 33}}, 33}),
    [](const auto& test) { return std::string(test.param.name); });

struct ChangeCase {
    const char* name;
    QString typed;
    std::int32_t owned;
    std::int32_t price;
    QString shown;
    bool purchaseOffered;
};

class ChipChangeTest : public testing::TestWithParam<ChangeCase> {};

TEST_P(ChipChangeTest, HoldsTheBoxWithinTheCapAndTheCigarettesOwned) {
    const ChangeCase& c = GetParam();
    ShopTable t;
    t.client.shop.RoomChipCap = 30;
    t.ownCigarettes(c.owned);
    t.sellCigarettes(c.price);
    t.client.conn.Detail[0].coins = 10'000;
    t.form.Txt_chip.setText(c.typed);
    EXPECT_EQ(t.form.Txt_chip.text(), c.shown);
    EXPECT_EQ(t.form.Pic_buy.visible(), c.purchaseOffered);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChipChangeTest,
    testing::Values(ChangeCase{"fraction", u"12.9"_s, 20, 0, u"12"_s, false},
                    ChangeCase{"negative", u"-3"_s, 20, 0, u"1"_s, false},
                    ChangeCase{"negative_none_owned", u"-3"_s, 0, 0, u"0"_s, false},
                    ChangeCase{"letters", u"abc"_s, 20, 0, u"0"_s, false},
                    ChangeCase{"number_then_letters", u"12ab"_s, 20, 0, u"12"_s, false},
                    ChangeCase{"above_cap", u"45"_s, 40, 0, u"30"_s, false},
                    ChangeCase{"all_owned_with_price", u"20"_s, 20, 7, u"20"_s, true},
                    ChangeCase{"all_owned_no_price", u"20"_s, 20, 0, u"20"_s, false},
                    ChangeCase{"twenty_digits", u"12345678901234567890"_s, 40, 0, u"30"_s, false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Chips, TheConfirmSendsAndSavesOncePerHand) {
    ShopTable t;
    t.ownCigarettes(20);
    t.form.Txt_chip.setText(u"9"_s);
    t.form.Img_chip_bt.events.click();
    EXPECT_EQ(orders(t.sent()), (std::vector<Order>{{3, 3, 9}}));
    EXPECT_FALSE(t.form.Img_chip_bt.enabled());
    EXPECT_EQ(t.form.Img_chip_bt.tag(), u"2"_s);
    EXPECT_EQ(LoadUserChip(t.userInfo(), u"me"_s), 9);

    // The sent message carries the kind, the goods and the amount and nothing else.
    connection::GameMessage expected;
    expected.setCommand(93);
    expected.setU8(16, 3);
    expected.setU32le(17, 3);
    expected.setU32le(21, 9);
    connection::Send93(t.client.conn, 3, 3, 9);
    EXPECT_EQ(t.sent().at(0).bytes(), expected.bytes());
}

TEST(Chips, TheStepButtonsStopAtTheCapAndAtOne) {
    ShopTable t;
    t.ownCigarettes(50);
    t.client.shop.RoomChipCap = 5;
    t.form.Txt_chip.setText(u"5"_s);
    t.form.Img_add_bt.events.click();
    EXPECT_EQ(t.form.Txt_chip.text(), u"5"_s);
    t.form.Txt_chip.setText(u"1"_s);
    t.form.Img_reduce_bt.events.click();
    EXPECT_EQ(t.form.Txt_chip.text(), u"1"_s);
    t.form.Img_add_bt.events.click();
    EXPECT_EQ(t.form.Txt_chip.text(), u"2"_s);
}

TEST(Chips, TheForcedRefreshIsSkippedOnceAfterTheLayout) {
    ShopTable t;
    t.ownCigarettes(10);
    SaveUserChip(t.userInfo(), u"me"_s, 50);
    t.client.chips.RefreshForced();
    EXPECT_TRUE(orders(t.sent()).empty());
    t.client.chips.RefreshForced();
    EXPECT_EQ(t.form.Txt_chip.text(), u"1"_s);
    EXPECT_EQ(orders(t.sent()), (std::vector<Order>{{3, 3, 1}}));
    // Unforced, the same value goes out only when it changed.
    t.client.chips.RefreshChip(false);
    EXPECT_TRUE(orders(t.sent()).empty());
}

class UserInfoTest : public testing::Test {
protected:
    QString path() const { return dir.filePath(u"userinfo.ini"_s); }
    void write(const QByteArray& content) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray read() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir tmp;
    QDir dir{tmp.path()};
};

TEST_F(UserInfoTest, KeepsOneEntryPerNameAndReadsMissingOnesAsOne) {
    EXPECT_EQ(LoadUserChip(path(), u"甲"_s), 1);
    SaveUserChip(path(), u"甲"_s, 40000);
    SaveUserChip(path(), u"bob"_s, 7);
    SaveUserChip(path(), u"甲"_s, 12);
    EXPECT_EQ(LoadUserChip(path(), u"甲"_s), 12);
    EXPECT_EQ(LoadUserChip(path(), u"bob"_s), 7);
    EXPECT_EQ(LoadUserChip(path(), u"Bob"_s), 1);
    EXPECT_EQ(read(), "[user]\r\nnum=2\r\nusername1=\xbc\xd7\r\nchip1=12\r\nusername2=bob\r\n"
                      "chip2=7\r\n");
}

TEST_F(UserInfoTest, ReadsAWindowsFileAndSurvivesBadNumbers) {
    const std::vector<std::pair<QByteArray, std::int32_t>> cases{
        {"[user]\r\nnum=1\r\nusername1=\xbc\xd7\r\nchip1=40000\r\n", 40000},
        {"[user]\r\nnum=1000000000\r\nusername1=\xbc\xd7\r\nchip1=5\r\n", 5},
        {"[user]\r\nnum=x\r\nusername1=\xbc\xd7\r\nchip1=5\r\n", 1},
        {"[user]\r\nnum=1\r\nusername1=\xbc\xd7\r\nchip1=3000000000\r\n", 1},
        {"[user]\r\nnum=1\r\nusername1=\xbc\xd7\r\nchip1=-4\r\n", 1},
    };
    for (const auto& [content, chips] : cases) {
        write(content);
        EXPECT_EQ(LoadUserChip(path(), u"甲"_s), chips) << content.toStdString();
    }
    write("[user]\r\nnum=1000000000\r\nusername1=\xbc\xd7\r\nchip1=5\r\n");
    SaveUserChip(path(), u"bob"_s, 8);
    EXPECT_EQ(LoadUserChip(path(), u"bob"_s), 8);
    EXPECT_EQ(LoadUserChip(path(), u"甲"_s), 5);
}

TEST_F(UserInfoTest, NamesThatWouldBreakTheFileAreNotSaved) {
    for (const QString& name : {u"a\nb"_s, u"a\rb"_s, u"[user]"_s}) {
        SaveUserChip(path(), name, 5);
    }
    EXPECT_FALSE(QFile::exists(path()));
}

} // namespace
} // namespace qv::shop
