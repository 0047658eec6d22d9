#include "match/match.h"

#include <gtest/gtest.h>

namespace qv::match {
namespace {

using namespace Qt::StringLiterals;

StartText start(const QString& text) {
    return {text, 0};
}

CurMatchRec run(std::int32_t id, const QString& stratTime) {
    CurMatchRec r;
    r.CId = id;
    r.StratTime = start(stratTime);
    return r;
}

MatchDef def(std::int32_t id, std::int16_t type, MatchPrizeTable prizes = {}) {
    MatchDef d;
    d.MId = id;
    d.mtype = type;
    d.PrizeTable = std::move(prizes);
    return d;
}

TEST(MatchRecords, LookupsFindTheFirstRecordAndNeverIdZero) {
    MatchState s;
    s.AllMatch.push_back(def(0, 4));
    s.AllMatch.push_back(def(7, 2));
    s.AllMatch.push_back(def(7, 3));
    s.CurMatch.push_back(run(0, u"01-01 00:00:00"_s));
    s.CurMatch.push_back(run(7, u"01-01 00:00:00"_s));
    s.CurMatch.push_back(run(7, u"01-02 00:00:00"_s));

    EXPECT_EQ(GetMatchDefIndex(s, 0), 0);
    EXPECT_EQ(GetMatchDefIndex(s, 7), 2);
    EXPECT_EQ(GetMatchDefIndex(s, 9), 0);
    EXPECT_EQ(GetCurMatchIndex(s, 0), 0);
    EXPECT_EQ(GetCurMatchIndex(s, 7), 2);
    EXPECT_EQ(GetMatchType(s, 0), 4);
    EXPECT_EQ(GetMatchType(s, 7), 2);
    EXPECT_EQ(GetMatchType(s, 9), 1);
    EXPECT_EQ(GetMatchType(MatchState{}, 0), 1);
}

TEST(MatchRecords, DisplayRowsAreTheScheduledRunsThenTheirChampions) {
    MatchState s;
    CurMatchRec both = run(1, u"12-08 18:00:00"_s);
    both.CLastFlg = true;
    both.LastRunTime = start(u"12-08 17:00:00"_s);
    both.CPstate = 1;
    both.SignUpNum = 9;
    CurMatchRec championOnly = run(2, QString());
    championOnly.CLastFlg = true;
    championOnly.LastRunTime = start(u"12-08 16:00:00"_s);
    CurMatchRec championNotKnown = run(3, QString());
    championNotKnown.LastRunTime = start(u"12-08 15:00:00"_s);
    s.CurMatch.push_back(both);
    s.CurMatch.push_back(championOnly);
    s.CurMatch.push_back(championNotKnown);

    BuildCurMatchShow(s);

    struct Row {
        std::int32_t id;
        QString start;
        bool champion;
        std::uint8_t signedUp;
        std::int32_t count;
    };
    const std::vector<Row> expected{{1, u"12-08 18:00:00"_s, false, 1, 9},
                                    {1, u"12-08 17:00:00"_s, true, 0, 0},
                                    {2, u"12-08 16:00:00"_s, true, 0, 0}};
    ASSERT_EQ(s.CurMatchShow.size(), static_cast<int>(expected.size()));
    for (int i = 1; i <= s.CurMatchShow.size(); ++i) {
        const CurMatchRec& row = s.CurMatchShow.at(i);
        const Row& want = expected[i - 1];
        EXPECT_EQ(row.CId, want.id) << i;
        EXPECT_EQ(row.StratTime.text, want.start) << i;
        EXPECT_EQ(row.CLastFlg, want.champion) << i;
        EXPECT_EQ(row.CPstate, want.signedUp) << i;
        EXPECT_EQ(row.SignUpNum, want.count) << i;
    }
}

TEST(MatchRecords, PrizesTurnJadeFactorsIntoAmountsOfTheBase) {
    const MatchPrizeTable prizes{{u"第1名"_s, u"500金币+翡翠奖励×2"_s, u"2"_s},
                                 {u"第2名"_s, u"翡翠奖励×1.5"_s, u"1.5"_s},
                                 {u"第3名"_s, u"200金币"_s, QString()},
                                 {u"第4名"_s, u"翡翠奖励×3"_s, u"3"_s}};
    struct Case {
        std::int32_t base;
        std::int16_t jadeBase;
        QStringList rewards;
    };
    const std::vector<Case> cases{
        {150, 0, {u"500金币+300个翡翠"_s, u"225个翡翠"_s, u"200金币"_s, u"450个翡翠"_s}},
        {3, 0, {u"500金币+6个翡翠"_s, u"4个翡翠"_s, u"200金币"_s, u"9个翡翠"_s}},
        {0, 10, {u"500金币+20个翡翠"_s, u"15个翡翠"_s, u"200金币"_s, u"30个翡翠"_s}},
        {0, 0, {u"500金币+0个翡翠"_s, u"0个翡翠"_s, u"200金币"_s, u"0个翡翠"_s}},
        {-5, 0, {u"500金币+翡翠奖励×2"_s, u"翡翠奖励×1.5"_s, u"200金币"_s, u"翡翠奖励×3"_s}},
    };
    for (const Case& c : cases) {
        MatchState s;
        s.AllMatch.push_back(def(5, 2, prizes));
        CurMatchRec r = run(5, u"12-08 18:00:00"_s);
        r.DefIndex = 1;
        r.JadeBase = c.jadeBase;
        s.CurMatch.push_back(r);
        ASSERT_TRUE(SetCurMatchPrize(s, 5, c.base, QString())) << c.base;
        QStringList rewards;
        for (const PrizeLine& line : s.CurMatch.at(1).PrizeTable) {
            rewards << line[1];
        }
        EXPECT_EQ(rewards, c.rewards) << c.base;
    }
}

TEST(MatchRecords, PrizesNeedTheFirstRunItsStartAndItsDefinition) {
    MatchState s;
    s.AllMatch.push_back(def(5, 2, {{u"第1名"_s, u"翡翠奖励×2"_s, u"2"_s}}));
    CurMatchRec first = run(5, u"12-08 18:00:00"_s);
    first.DefIndex = 1;
    CurMatchRec second = first;
    second.StratTime = start(u"12-08 19:00:00"_s);
    CurMatchRec unlinked = run(6, u"12-08 18:00:00"_s);
    unlinked.DefIndex = 2;
    s.CurMatch.push_back(first);
    s.CurMatch.push_back(second);
    s.CurMatch.push_back(unlinked);
    const MatchState before = s;

    EXPECT_FALSE(SetCurMatchPrize(s, 0, 1, QString()));
    EXPECT_FALSE(SetCurMatchPrize(s, 9, 1, QString()));
    EXPECT_FALSE(SetCurMatchPrize(s, 5, 1, u"12-08 19:00:00"_s));
    EXPECT_FALSE(SetCurMatchPrize(s, 6, 1, QString()));
    EXPECT_EQ(s, before);

    EXPECT_TRUE(SetCurMatchPrize(s, 5, 150, u"12-08 18:00:00"_s));
    EXPECT_EQ(s.CurMatch.at(1).PrizeTable.at(0)[1], u"300个翡翠"_s);
    EXPECT_TRUE(s.CurMatch.at(2).PrizeTable.empty());
}

TEST(MatchRecords, TheResetKeepsTheRoomAndTableValues) {
    MatchState s;
    s.RoomChips.push_back({u"12"_s, 500});
    s.RoomBase = 300.0;
    s.G_MatchType = 2;
    s.MatchPlayers[1].username = u"bob"_s;
    s.g_bLeavingTable = true;
    s.CurMatch.push_back(run(1, u"12-08 18:00:00"_s));
    s.g_bMatchOn = s.g_bMatchLoaded = s.g_bMatchDownloading = true;
    s.ServerTime = 1733681050;
    s.MatchCaptions = {u"a"_s, u"b"_s};

    MatchData(s).initMatchData();

    MatchState expected;
    initMatchData(expected);
    expected.RoomChips = s.RoomChips;
    expected.RoomBase = 300.0;
    expected.G_MatchType = 2;
    expected.MatchPlayers = s.MatchPlayers;
    expected.g_bLeavingTable = true;
    EXPECT_EQ(s, expected);
    EXPECT_EQ(s.SortColors[0], 0x00E5FFU);
    EXPECT_EQ(s.MatchCaptions, std::vector<QString>{QString()});
}

} // namespace
} // namespace qv::match
