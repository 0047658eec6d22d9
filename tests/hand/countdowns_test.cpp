#include "hand/countdowns.h"
#include "play_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

using testing_support::PlayTable;

constexpr forms::OleColor kRed = forms::rgb(255, 0, 0);
constexpr forms::OleColor kGreen = forms::rgb(0, 255, 0);

std::vector<connection::GameMessage> playsAndPasses(PlayTable& t) {
    std::vector<connection::GameMessage> plays;
    for (const auto& m : t.sent()) {
        if (m.command() == connection::MsgPlayCards) {
            plays.push_back(m);
        }
    }
    return plays;
}

// Another seat's turn of 20 seconds: a step a second, red with the warning from 5, and the
// time-out one step after 0, which only hides the buttons.
TEST(CountdownsTest, TheTurnCountsDownWithTheWarningFromFive) {
    PlayTable t;
    t.client.sound.LoadSoundPaths();
    t.client.sound.InitSound();
    t.platform.sound.waveFiles.insert(t.client.sound.SoundFile[6]);
    t.deal();
    t.receive(testing_support::Play(2, 4).state(1).turnSeconds(20));
    const int loads = t.platform.sound.loads();
    std::vector<int> shown;
    std::vector<int> warnings;
    for (int second = 1; second <= 20; ++second) {
        t.pumpFor(1000);
        shown.push_back(t.form.Number.caption().toInt());
        EXPECT_EQ(t.form.Number.foreColor(), shown.back() > 5 ? kGreen : kRed) << second;
        warnings.push_back(t.platform.sound.loads() - loads);
    }
    EXPECT_EQ(shown.front(), 19);
    EXPECT_EQ(shown.back(), 0);
    EXPECT_EQ(warnings[13], 0);
    EXPECT_EQ(warnings[14], 1);
    EXPECT_EQ(warnings.back(), 6);
    EXPECT_TRUE(t.form.Time_Img.visible());
    t.pumpFor(1000);
    EXPECT_FALSE(t.form.Time_Img.visible());
    EXPECT_FALSE(t.client.conn.slots.BongFlag[6]);
    EXPECT_TRUE(playsAndPasses(t).empty());
}

// At the third own time-out in a row with `AutoPlayAfter` 3 the boss key goes down before the
// play; a fourth is not counted. With 0 the time-outs never switch.
TEST(CountdownsTest, RepeatedTimeOutsSwitchToAutomaticPlay) {
    for (const int after : {3, 0}) {
        PlayTable t;
        t.deal();
        t.client.conn.AutoPlayAfter = after;
        for (int k = 1; k <= 4; ++k) {
            t.receive(testing_support::Play(8, 1).state(1).turnSeconds(2));
            t.pumpFor(3100);
            EXPECT_EQ(playsAndPasses(t).size(), 1U) << after << " " << k;
            const bool switched = after == 3 && k >= 3;
            EXPECT_EQ(t.client.table.g_bAutoPlay, switched) << after << " " << k;
            EXPECT_EQ(t.client.table.g_bHiddenPlay, switched);
            EXPECT_EQ(t.client.conn.TimeoutCount, std::min(k, after == 3 ? 3 : k));
        }
        if (after == 3) {
            EXPECT_EQ(t.form.windowState(), forms::window_state::kMinimized);
            EXPECT_EQ(t.client.conn.CountDownStart, 0);
        }
    }
}

// An own time-out on a free lead plays the lead hint; with a play to beat and no answer, a pass.
TEST(CountdownsTest, ATimeOutPlaysTheFirstHintOrPasses) {
    PlayTable t;
    t.deal();
    t.receive(testing_support::Play(8, 1).state(1).turnSeconds(2));
    t.pumpFor(3100);
    auto plays = playsAndPasses(t);
    ASSERT_EQ(plays.size(), 1U);
    EXPECT_EQ(plays[0].u8(15), 2);
    // The lowest face held once: the four of diamonds, deck index 4.
    EXPECT_EQ(plays[0].u8(17), 1);
    EXPECT_EQ(plays[0].u8(20), 4);
    EXPECT_EQ(t.client.hand.custom[0].sum, 26);

    std::vector<testing_support::Card> twelve(8, {5, 1});
    twelve.insert(twelve.end(), {{16, 1}, {16, 1}, {17, 1}, {17, 1}});
    t.receive(testing_support::Play(8, 1, twelve, rules::PlayBomb(12)).turnSeconds(2));
    t.pumpFor(3100);
    plays = playsAndPasses(t);
    ASSERT_EQ(plays.size(), 1U);
    EXPECT_EQ(plays[0].u8(15), 1);
    EXPECT_EQ(plays[0].u8(17), 0);
}

// The clock starting again at midnight steps at once; every second after it steps again.
TEST(CountdownsTest, ATurnAcrossMidnightKeepsStepping) {
    PlayTable t(QSize(1024, 768), QDateTime(QDate(2026, 1, 1), QTime(23, 59, 55)));
    t.deal();
    t.receive(testing_support::Play(2, 4).state(1).turnSeconds(20));
    std::vector<int> steps;
    int shown = 20;
    for (int second = 1; second <= 12; ++second) {
        t.pumpFor(1000);
        steps.push_back(shown - t.form.Number.caption().toInt());
        shown = t.form.Number.caption().toInt();
    }
    EXPECT_EQ(steps, (std::vector<int>{1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1}));
}

// The banker who does not call has the lowest card of his hand called for him at zero.
TEST(CountdownsTest, TheCallCountdownCallsTheLowestCard) {
    PlayTable t;
    t.deal(1, 3);
    ASSERT_TRUE(t.client.hand.Oper1_Flag);
    t.pumpFor(3900);
    EXPECT_TRUE(t.sent().empty());
    EXPECT_EQ(t.form.Number.caption(), u"0"_s);
    t.pumpFor(1000);
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].command(), connection::MsgCallCard);
    EXPECT_EQ(sent[0].u8(8), 1);
    EXPECT_EQ(sent[0].u8(9), 1);
    EXPECT_EQ(sent[0].u8(12), 3);
    EXPECT_EQ(sent[0].u8(13), 1);
    EXPECT_FALSE(t.client.hand.Oper1_Flag);
    EXPECT_FALSE(t.form.btnJiaopai(0).visible());
}

TEST(CountdownsTest, AnEmptyHandMakesNoCall) {
    PlayTable t;
    t.deal(1, 1);
    t.client.hand.custom[0].sum = 0;
    t.pumpFor(3000);
    EXPECT_TRUE(t.sent().empty());
    EXPECT_FALSE(t.client.hand.Oper1_Flag);
    EXPECT_FALSE(t.form.btnJiaopai(0).visible());
    EXPECT_FALSE(t.form.Time_Img.visible());
}

} // namespace
} // namespace qv::hand
