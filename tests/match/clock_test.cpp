#include "match/match_clock.h"
#include "match/time_texts.h"
#include "match_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::match {
namespace {

using testing_support::kT0;
using testing_support::MatchTable;
using testing_support::Msg;

/// The list shown, the clock set by command 81 to `now`, and the pump's step run by hand.
struct Clock : MatchTable {
    explicit Clock(std::uint32_t now = kT0, platform::fake::FakeTimeService::Start start = {})
        : MatchTable(start) {
        loaded();
        scheduled();
        receive(Msg(81).u32(16, now));
    }
    /// `ticks` pump ticks of 50 ms.
    void run(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            platform.time.advance(50);
            MatchTimerTick(ctx);
        }
    }
    CurMatchRec& first() { return client.match.CurMatch.at(1); }
    MatchContext& ctx = *client.matchOnTable();
};

TEST(MatchClock, AnHourOfTicksIsAnHour) {
    Clock t;
    t.run(1 + 72000);
    EXPECT_EQ(t.client.match.ServerTime, kT0 + 3600);
    EXPECT_EQ(t.form.LblServerTime.caption(), ServerTimeText(kT0 + 3600));
}

TEST(MatchClock, TheClockRunsAcrossTheTicksWrap) {
    platform::fake::FakeTimeService::Start start;
    start.tickMs = 0xFFFFFFFFU - 5000;
    Clock t(kT0, start);
    t.run(1 + 200);
    EXPECT_LT(t.platform.time.tickMs(), 10000U);
    EXPECT_EQ(t.client.match.ServerTime, kT0 + 10);
}

TEST(MatchClock, AutomaticSignUpWithinTheWindow) {
    for (const auto& [window, expected] :
         std::vector<std::pair<std::uint32_t, std::size_t>>{{120, 1}, {60, 0}, {0, 0}}) {
        Clock t(kT0 - 90);
        t.receive(Msg(90).u32(16, window));
        t.sent();
        t.run(60);
        const auto sent = t.sent();
        ASSERT_EQ(sent.size(), expected) << window;
        if (expected == 1) {
            EXPECT_EQ(sent[0].command(), 72);
            EXPECT_EQ(sent[0].u32le(16), 5U);
            EXPECT_NE(t.first().SignTick, 0U);
        }
    }
}

TEST(MatchClock, CountdownsAcrossTheYearAndTheLeapDay) {
    struct Case {
        std::int64_t start;
        std::int64_t now;
        std::uint8_t state;
        std::int32_t duration;
        std::int32_t left;
    };
    constexpr std::int64_t kNewYear = 1735689600; // 2025-01-01 00:00:00 UTC
    constexpr std::int64_t kLeapDay = 1709164800; // 2024-02-29 00:00:00 UTC
    const std::vector<Case> cases{
        {kNewYear + 30, kNewYear - 30, 0, 600, 60},
        {kNewYear - 30, kNewYear + 30, 1, 600, 540},
        {kNewYear - 30, kNewYear + 30, 0, 600, 3},
        {kLeapDay, kLeapDay - 86400, 0, 60, 86400},
        {kT0, kT0 + 610, 1, 600, 3},
        {kT0, kT0 + 610, 2, 600, 10},
        {kT0, kT0 - 5, 2, 600, 5},
    };
    for (const Case& c : cases) {
        CurMatchRec r;
        r.StratTime = StartAt(c.start);
        r.RunState = c.state;
        r.Duration = c.duration;
        EXPECT_EQ(CountdownValue(r, c.now), c.left) << c.start << " " << int(c.state);
    }
}

TEST(MatchClock, TheButtonCaptionsFollowThePlayersRuns) {
    Clock none;
    none.form.ImgShowMatch.setEnabled(true);
    none.client.match.AllMatch.at(1).PrizeTable.at(0)[1] = u"500金币+翡翠奖励×2"_s;
    none.run(1);
    EXPECT_EQ(none.client.match.MatchCaptions,
              (std::vector<QString>{u"Quorvale."_s, u"500金币..."_s, u"点击报名"_s}));
    EXPECT_EQ(none.form.ImgShowMatch.iCaption(), u"Quorvale."_s);
    none.run(20 * 15);
    EXPECT_EQ(none.form.ImgShowMatch.iCaption(), u"500金币..."_s);

    Clock waiting(kT0 - 61);
    waiting.form.ImgShowMatch.setEnabled(true);
    waiting.first().CPstate = 1;
    waiting.first().SignUpNum = 8;
    waiting.run(1);
    EXPECT_EQ(
        waiting.client.match.MatchCaptions,
        (std::vector<QString>{u"Quorvale."_s, u"8人已报名"_s, u"剩2分开始"_s, u"点击查看详细"_s}));
}

TEST(MatchClock, TheRefreshButtonComesBackAtTheFirstStepAfterItsHold) {
    Clock t;
    t.run(1);
    t.form.Pic_sortDetail.setVisible(true);
    t.form.ImgRefresh.setVisible(true);
    t.form.ImgRefresh.setEnabled(false);
    t.client.match.SortRefreshTick = t.platform.time.tickMs();
    t.run(20 * 15);
    EXPECT_FALSE(t.form.ImgRefresh.enabled());
    t.run(20);
    EXPECT_TRUE(t.form.ImgRefresh.enabled());
    EXPECT_EQ(t.client.match.SortRefreshTick, 0U);
}

TEST(MatchClock, TheTimeIsAskedForOnlyWhileAListPageIsShown) {
    for (const bool page : {true, false}) {
        Clock t;
        BuildCurMatchShow(t.client.match);
        if (page) {
            t.form.Pic_matchDetail.setVisible(true);
            t.form.Pic_matchDetail.setTag(u"1"_s);
            t.form.ImgMatch(0).setVisible(true);
        }
        t.sent();
        t.run(20 * 181);
        const auto sent = t.sent();
        EXPECT_EQ(sent.size(), page ? 1U : 0U) << page;
        t.run(20 * 10);
        EXPECT_TRUE(t.sent().empty()) << page;
    }
}

} // namespace
} // namespace qv::match
