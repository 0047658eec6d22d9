#include "result_fixtures.h"
#include "settlement/sheet_lines.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::settlement {
namespace {

using testing_support::addBomb;
using testing_support::RecordFields;
using testing_support::SharedFields;

const QString kRule = u"-----------"_s;

/// A partnership hand seen from seat mask 1: seats 1 and 4 (display 0 and 2) won against 2 and
/// 8 (display 1 and 3), rows in mask order.
struct Hand {
    SharedFields shared;
    std::array<RecordFields, 4> records = testing_support::partnershipRecords();
    SheetInputs inputs{.ownSeatMask = 1,
                       .callerSeat = 1,
                       .banker = 0,
                       .cash = {u"1000金币"_s, u"2000金币"_s, u"3000金币"_s, u"4000金币"_s},
                       .roundNote = u"第3局"_s};

    Sheet sheet() {
        for (std::size_t r = 0; r < 4; ++r) {
            inputs.rows.at(r) = readSeatResult(testing_support::resultRow(shared, records.at(r)));
        }
        return BuildSheet(inputs);
    }
    /// Display seat `seat`'s column.
    QStringList column(int seat) { return sheet().lists.at(static_cast<std::size_t>(seat)); }
};

TEST(SettlementSheet, WritesEverySeatsColumnAndFinalScore) {
    Hand hand;
    const Sheet sheet = hand.sheet();
    EXPECT_EQ(sheet.lists[0],
              (QStringList{u"初始：1000金币"_s, u"房间底金：100金币"_s, QString(),
                           u"名次：第一名"_s, kRule, u"名次得分：200金币"_s, kRule,
                           u"炸总得分：0"_s, kRule, QString(), u"总分：400金币"_s, kRule, QString(),
                           u"第3局"_s, QString(), u"总分：400金币"_s}));
    EXPECT_EQ(sheet.lists[1],
              (QStringList{u"初始：2000金币"_s, u"房间底金：100金币"_s, QString(),
                           u"名次：第三名"_s, kRule, u"名次得分：200金币"_s, kRule,
                           u"炸总得分：0"_s, kRule, QString(), u"总分：- 400金币"_s, kRule,
                           QString(), QString(), QString(), u"总分：- 400金币"_s}));
    EXPECT_EQ(sheet.lists[4], QStringList{u"最终分：400金币"_s});
    EXPECT_EQ(sheet.lists[5], QStringList{u"最终分：- 400金币"_s});
    EXPECT_EQ(sheet.nameColours[0], kNameBlue);
    EXPECT_EQ(sheet.nameColours[1], 0U);
    EXPECT_EQ(sheet.settled[1].seat, 1);
    EXPECT_EQ(sheet.settled[1].finalScore, 400);
    EXPECT_EQ(sheet.settled[1].totalSign, 2);
}

struct LineCase {
    const char* name;
    void (*change)(Hand&);
    /// The line expected in display seat 0's column, or the label of a line that must be absent.
    QString line;
    bool present = true;
};

void PrintTo(const LineCase& c, std::ostream* out) {
    *out << c.name;
}

class SheetLine : public testing::TestWithParam<LineCase> {};

TEST_P(SheetLine, IsWrittenAsTheRowSays) {
    Hand hand;
    GetParam().change(hand);
    const QStringList column = hand.column(0);
    if (GetParam().present) {
        EXPECT_TRUE(column.contains(GetParam().line)) << column.join(u'|').toStdString();
    } else {
        for (const QString& line : column) {
            EXPECT_FALSE(line.startsWith(GetParam().line)) << line.toStdString();
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, SheetLine, testing::Values(
    LineCase{"PlaceScore", [](Hand&) {}, u"名次得分：200金币"_s},
    LineCase{"SoloCallerTriples", [](Hand& h) { h.shared.solo = true; }, u"名次得分：600金币"_s},
    LineCase{"SoloOtherSeatDoesNot", [](Hand& h) { h.shared.solo = true; h.inputs.callerSeat = 2; }, u"名次得分：200金币"_s},
    LineCase{"MinusWithFactorZero", [](Hand& h) { h.shared.placeFactor = 0; h.records[0].placeSign = 2; }, u"名次得分： 0金币"_s},
    LineCase{"Minus", [](Hand& h) { h.records[0].placeSign = 2; }, u"名次得分：- 200金币"_s},
    LineCase{"PlaceSignZero", [](Hand& h) { h.records[0].placeSign = 0; }, u"名次得分：0"_s},
    LineCase{"PlaceSignUnknown", [](Hand& h) { h.records[0].placeSign = 7; }, u"名次得分"_s, false},
    LineCase{"PlaceUnknown", [](Hand& h) { h.records[0].place = 5; }, u"名次："_s, false},
    LineCase{"TotalMinusZero", [](Hand& h) { h.records[0].totalSign = 2; h.records[0].total = 0; }, u"总分： 0金币"_s},
    LineCase{"TotalSignZero", [](Hand& h) { h.records[0].totalSign = 0; }, u"总分： 0"_s},
    LineCase{"BombTotalMinus", [](Hand& h) { h.records[0].bombSign = 2; h.records[0].bombTotal = 300; }, u"炸总得分：- 300金币"_s},
    LineCase{"WealthSubtotal", [](Hand& h) { h.inputs.wealthMult = 2; h.records[0].subtotalSign = 1; h.records[0].subtotal = 50; }, u"小计：+50金币"_s},
    LineCase{"WealthText", [](Hand& h) { h.inputs.wealthMult = 2; h.inputs.wealthText = u"2倍"_s; }, u"财富加倍 ×2倍"_s},
    LineCase{"WealthOtherSign", [](Hand& h) { h.inputs.wealthMult = 2; h.records[0].subtotalSign = 9; }, u"小计：0"_s},
    LineCase{"WealthOff", [](Hand& h) { h.records[0].subtotalSign = 1; }, u"小计"_s, false},
    LineCase{"Cap", [](Hand& h) { h.records[0].capped = true; }, u"封顶"_s},
    LineCase{"ClosingBlockOff", [](Hand& h) { h.shared.closing = 1; }, u"第3局"_s, false},
    LineCase{"TrueStake", [](Hand& h) { h.shared.stake = 3'000'000'000U; }, u"房间底金：3000000000金币"_s},
    LineCase{"TruePlaceScore", [](Hand& h) { h.shared.stake = 3'000'000'000U; }, u"名次得分：6000000000金币"_s}),
    [](const testing::TestParamInfo<LineCase>& param) { return std::string(param.param.name); });
// clang-format on

TEST(SettlementSheet, BombLinesGoToTheSideThatPlayedThemWithTheirValue) {
    Hand hand;
    addBomb(hand.inputs.bombs, 0, 10, 6);
    addBomb(hand.inputs.bombs, 1, 14, 5);
    addBomb(hand.inputs.bombs, 3, 15, 12);
    const Sheet sheet = hand.sheet();
    const auto bombLines = [&](int seat) {
        QStringList lines;
        for (const QString& line : sheet.lists.at(static_cast<std::size_t>(seat))) {
            if (line.contains(u"个"_s)) {
                lines.append(line);
            }
        }
        return lines;
    };
    EXPECT_EQ(bombLines(0), (QStringList{u"6个10  +1000"_s, u"5个A  -500"_s, u"12个2  -64000"_s}));
    EXPECT_EQ(bombLines(1), (QStringList{u"5个A  +500"_s, u"12个2  +64000"_s, u"6个10  -1000"_s}));
}

TEST(SettlementSheet, SoloBombLinesSetTheBankerAgainstTheOthers) {
    Hand hand;
    hand.shared.solo = true;
    hand.inputs.banker = 1;
    addBomb(hand.inputs.bombs, 0, 9, 5);
    addBomb(hand.inputs.bombs, 1, 4, 5);
    const Sheet sheet = hand.sheet();
    EXPECT_TRUE(sheet.lists[0].contains(u"5个9  +500"_s));
    EXPECT_TRUE(sheet.lists[0].contains(u"5个4  -500"_s));
    EXPECT_TRUE(sheet.lists[1].contains(u"5个4  +500"_s));
    EXPECT_TRUE(sheet.lists[1].contains(u"5个9  -500"_s));
}

TEST(SettlementSheet, NoBombsNoBombSeparator) {
    Hand hand;
    const QStringList column = hand.column(0);
    // place, place score and bomb total rules only
    EXPECT_EQ(column.count(kRule), 4);
}

TEST(SettlementSheet, PluginLinesColourTheColumnAndEvenTheColumnsOut) {
    Hand hand;
    hand.inputs.propItems[0] = u"金币00000255|经验00065280"_s;
    hand.inputs.propItems[2] = u"短"_s;
    hand.inputs.propGold[0] = 25;
    const Sheet sheet = hand.sheet();
    EXPECT_EQ(sheet.lists[0].mid(16), (QStringList{u"金币"_s, u"经验"_s, QString()}));
    EXPECT_EQ(sheet.listColours[0], 65280U);
    EXPECT_EQ(sheet.lists[1].mid(16), (QStringList{QString(), QString(), QString()}));
    EXPECT_EQ(sheet.lists[2].mid(16), (QStringList{u"短"_s, QString(), QString()}));
    EXPECT_EQ(sheet.listColours[2], 65280U);
    EXPECT_EQ(sheet.lists[4], QStringList{u"最终分：425金币"_s});
    EXPECT_EQ(sheet.settled[0].finalScore, 425);
}

// A colour text that reads as no finite number is no colour: the last colour read holds on, into
// the next seat's column too.
TEST(SettlementSheet, NanOrInfinityIsNoColour) {
    for (const QString& text : {u"     nan"_s, u"     inf"_s, u"    -inf"_s}) {
        Hand hand;
        hand.inputs.propItems[0] = u"金币00000255|经验"_s + text;
        hand.inputs.propItems[2] = u"短"_s;
        const Sheet sheet = hand.sheet();
        EXPECT_EQ(sheet.listColours[0], 255U) << text.toStdString();
        EXPECT_EQ(sheet.listColours[2], 255U) << text.toStdString();
    }
}

TEST(LevelNames, NameLevelsOneToFortyOnly) {
    EXPECT_EQ(LevelName(1), u"第一级"_s);
    EXPECT_EQ(LevelName(40), u"第四十级"_s);
    EXPECT_EQ(LevelName(0), std::nullopt);
    EXPECT_EQ(LevelName(41), std::nullopt);
}

} // namespace
} // namespace qv::settlement
