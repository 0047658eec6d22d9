#include "common/picture_tables.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::common {
namespace {

ImageResource tablesAt(float scaleX) {
    ImageResource tables;
    InitImageResTables(tables, scaleX);
    return tables;
}

TEST(ImageResTablesTest, CardTables) {
    const ImageResource t = tablesAt(1.0F);
    struct Case {
        int code;
        const char16_t* card;
        const char16_t* hand;
    };
    for (const Case& c :
         {Case{3, u"303", u"3"}, Case{13, u"313", u"13"}, Case{14, u"301", u"14"},
          Case{15, u"302", u"15"}, Case{16, u"353", u"16"}, Case{17, u"354", u"17"},
          Case{18, u"18", u"18"}, Case{19, u"316", u"19"}, Case{35, u"329", u"35"},
          Case{46, u"327", u"46"}, Case{47, u"328", u"47"}, Case{51, u"342", u"51"},
          Case{61, u"352", u"61"}, Case{62, u"340", u"62"}, Case{63, u"341", u"63"}}) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(t.CardPicRes[static_cast<std::size_t>(c.code)], QString::fromUtf16(c.card));
        EXPECT_EQ(t.HandPicRes[static_cast<std::size_t>(c.code)], QString::fromUtf16(c.hand));
    }
    for (const int code : {0, 1, 2, 32, 33, 34, 48, 49, 50}) {
        SCOPED_TRACE(code);
        EXPECT_TRUE(t.CardPicRes[static_cast<std::size_t>(code)].isEmpty());
        EXPECT_TRUE(t.HandPicRes[static_cast<std::size_t>(code)].isEmpty());
    }
}

TEST(ImageResTablesTest, TableButtonsFollowTheScale) {
    const ImageResource large = tablesAt(1.0F);
    const ImageResource small = tablesAt(0.78125F);
    EXPECT_EQ(large.AnNiuRes[0], u"150"_s);
    EXPECT_EQ(small.AnNiuRes[0], u"150"_s);
    EXPECT_EQ(small.AnNiuRes[1], u"151"_s);
    EXPECT_EQ(large.AnNiuRes[2], u"152"_s);
    EXPECT_EQ(small.AnNiuRes[2], u"283"_s);
    EXPECT_EQ(large.AnNiuRes[19], u"169"_s);
    EXPECT_EQ(small.AnNiuRes[19], u"300"_s);
    // nothing else depends on the scale
    EXPECT_EQ(large.CardPicRes, small.CardPicRes);
    EXPECT_EQ(large.OperationRes, small.OperationRes);
}

TEST(ImageResTablesTest, OtherTables) {
    const ImageResource t = tablesAt(1.0F);
    using S = std::vector<QString>;
    auto all = [](const auto& table) {
        return S(table.begin(), table.end());
    };
    EXPECT_EQ(all(t.HandBackRes1), (S{u"400"_s, u"401"_s, u"402"_s, u"403"_s}));
    EXPECT_EQ(all(t.HandBackRes2), (S{u"410"_s, u"411"_s, u"412"_s, u"413"_s}));
    EXPECT_EQ(all(t.HandBackRes3), (S{u"420"_s, u"421"_s, u"422"_s, u"423"_s}));
    EXPECT_EQ(t.DialogBtnRes[0], u"170"_s);
    EXPECT_EQ(t.DialogBtnRes[7], u"177"_s);
    EXPECT_EQ(t.DialogBtnRes[8], u"195"_s);
    EXPECT_EQ(t.DialogBtnRes[11], u"198"_s);
    EXPECT_EQ(t.OperationRes[0], u"178"_s);
    EXPECT_EQ(t.OperationRes[12], u"190"_s);
    EXPECT_EQ(all(t.JiaopaiRes), (S{u"193"_s, u"194"_s}));
    EXPECT_EQ(t.HeadRes[0], u"240"_s);
    EXPECT_EQ(t.HeadRes[19], u"259"_s);
    EXPECT_EQ(all(t.ReadyRes), (S{u"280"_s, u"281"_s, u"282"_s, u"283"_s}));
    EXPECT_EQ(all(t.PlaceRes), (S{u"360"_s, u"361"_s, u"362"_s}));
    EXPECT_EQ(t.ImCmdRes[0], u"850"_s);
    EXPECT_EQ(t.ImCmdRes[12], u"862"_s);
    EXPECT_EQ(t.BubbleRes[12], u"219"_s);
    EXPECT_EQ(t.BubbleRes[13], u"223"_s);
    EXPECT_EQ(t.BubbleRes[14], u"227"_s);
    EXPECT_TRUE(t.BubbleRes[0].isEmpty());
}

TEST(ImageResTablesTest, EveryFilledIdIsInTheStore) {
    const ImageResource t = tablesAt(0.78125F);
    const ImageResource large = tablesAt(1.0F);
    std::vector<QString> ids;
    auto add = [&ids](const auto& table) {
        ids.insert(ids.end(), table.begin(), table.end());
    };
    for (const ImageResource* tables : {&t, &large}) {
        add(tables->CardPicRes);
        add(tables->HandPicRes);
        add(tables->HandBackRes1);
        add(tables->HandBackRes2);
        add(tables->HandBackRes3);
        add(tables->AnNiuRes);
        add(tables->DialogBtnRes);
        add(tables->OperationRes);
        add(tables->JiaopaiRes);
        add(tables->HeadRes);
        add(tables->ReadyRes);
        add(tables->PlaceRes);
        add(tables->ImCmdRes);
        add(tables->BubbleRes);
    }
    for (const QString& id : ids) {
        if (!id.isEmpty()) {
            EXPECT_FALSE(LoadGifPicture(static_cast<std::int16_t>(id.toInt()), u"GIF"_s).isNull())
                << id.toStdString();
        }
    }
}

} // namespace
} // namespace qv::common
