#include "settlement/score_window.h"
#include "shop/jade_task.h"
#include "shop/notices.h"
#include "shop/own_prize.h"
#include "shop/reward_sequence.h"
#include "shop_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

using testing_support::ShopTable;

constexpr int kNone = -1;

connection::GameMessage ownPrizeNotice(const QString& text) {
    auto m = ShopTable::message(connection::MsgNotice, text, 19);
    m.setU16le(16, 7);
    return m;
}

bool scoreShown(const ShopTable& t) {
    const auto* score = t.client.forms.find<settlement::Score>();
    return score != nullptr && score->visible();
}

/// What a hand's end puts on the table, millisecond by millisecond.
struct Timeline {
    const char* name;
    /// The mode-7 notice at t = 0, "x;prize;x;jade"; empty for none.
    QString notice;
    /// When the settlement arms the sheet.
    int resultAt;
    /// When the start button is pressed.
    int pressAt;
    /// When the player leaves the table.
    int leaveAt;
    /// When the pump's ready countdown runs out, the start button not pressed.
    int countdownAt;
    /// The displays coming ("+") and going ("-") and the ready messages, each with its time.
    QString shows;
};

/// Runs the pump every millisecond for 20 s after the events of `c` and lists what changed.
QString run(const Timeline& c) {
    ShopTable t;
    InitJadeTask(t.ctx);
    t.client.hand.custom[0].seat = 4;
    QStringList shows;
    bool jade = false;
    bool prize = false;
    bool sheet = false;
    const auto note = [&shows](bool& was, bool now, const char* what, int at) {
        if (was != now) {
            shows << (now ? u"+"_s : u"-"_s) + QLatin1StringView(what) + u'@' + QString::number(at);
            was = now;
        }
    };
    for (int at = 0; at <= 20'000; ++at) {
        if (at > 0) {
            t.platform.time.advance(1);
        }
        if (at == 0 && !c.notice.isEmpty()) {
            t.dispatch(ownPrizeNotice(c.notice));
        }
        if (at == c.resultAt) {
            t.client.settlement.ShowScoreAfter = true;
            t.client.settlement.ResultShowTime = t.platform.time.tickMs();
        }
        if (at == c.pressAt) {
            t.client.conn.rewards->ShowRewardDigits();
        }
        if (at == c.leaveAt) {
            InitPrizePanel(t.ctx);
            InitJadeTask(t.ctx);
        }
        if (at == c.countdownAt) {
            t.client.conn.g_bLoggedIn = true;
            t.client.conn.slots.arm(connection::kReadySlot);
            t.client.conn.CountDown = 0;
        }
        t.client.conn.pumpSteps.run(connection::PumpStep::Panels);
        t.client.conn.pumpSteps.run(connection::PumpStep::Countdowns);
        note(jade, t.form.APNG_Jadefinish.visible(), "jade", at);
        note(prize, t.form.APNG_prize.visible(), "prize", at);
        note(sheet, scoreShown(t), "sheet", at);
        for (const auto& m : t.sent()) {
            connection::GameMessage ready;
            ready.setCommand(connection::MsgTableState);
            ready.setU8(6, 4);
            ready.setU8(15, 1);
            shows << (m.bytes() == ready.bytes() ? u"ready@%1"_s.arg(at) : u"other@%1"_s.arg(at));
        }
    }
    return shows.join(u' ');
}

TEST(RewardSequence, ShowsTheRewardsTheSheetAndTheReadyMessageInTurn) {
    const QString longJade = QString(199, u'1') + u"7"_s;
    const std::vector<Timeline> cases{
        {"nothing pending", {}, 0, kNone, kNone, kNone, u"+sheet@2001"_s},
        {"prize only", u"0;3939;1;0"_s, 0, kNone, kNone, kNone,
         u"+prize@2001 -prize@10006 +sheet@10006"_s},
        {"jade and prize", u"0;3939;1;5"_s, 0, kNone, kNone, kNone,
         u"+jade@0 -jade@5000 +prize@5000 -prize@13005 +sheet@13005"_s},
        {"jade only", u"0;0;1;5"_s, 0, kNone, kNone, kNone, u"+jade@0 -jade@5000 +sheet@5000"_s},
        {"a press with nothing pending", {}, 0, 3000, kNone, kNone, u"+sheet@2001 ready@5000"_s},
        {"a press with the prize and the sheet pending", u"0;1500;1;0"_s, 0, 1000, kNone, kNone,
         u"+prize@1000 -prize@3000 +sheet@3000 ready@5000"_s},
        {"a press on a long jade text", u"0;0;1;"_s + longJade, 0, 1000, kNone, kNone,
         u"+jade@0 +sheet@3000 -jade@5000 ready@5000"_s},
        {"a press before any result", {}, kNone, 100, kNone, kNone, u"ready@2100"_s},
        {"leaving after the press", {}, 0, 1000, 4000, kNone, u"+sheet@3000"_s},
        {"the ready countdown first", u"0;3939;1;5"_s, 0, kNone, kNone, 3000,
         u"+jade@0 ready@3000 -jade@5000 +prize@5000 -prize@13005 +sheet@13005"_s},
    };
    for (const Timeline& c : cases) {
        EXPECT_EQ(run(c), c.shows) << c.name;
    }
}

/// The prize sprites as a text: the frame of each shown sprite, "." for a hidden one.
QString prizeSprites(const table::MainForm& form) {
    QString shown;
    for (const controls::APNG* digit : form.APNG_prizenum.elements()) {
        shown += digit->visible() ? QString::number(digit->frameCounter()) : u"."_s;
    }
    return shown;
}

TEST(OwnPrize, TheFinalDigitsStandRightAlignedOnTheElevenSprites) {
    for (const auto& [prize, shown] :
         {std::pair{1500.0, u".......1500"_s}, std::pair{1234567890123456.0, u"67890123456"_s},
          std::pair{1e20, u"00000000000"_s}}) {
        ShopTable t;
        t.client.shop.NewMyPrize = prize;
        ShowFinalPrizeDigits(t.ctx);
        EXPECT_EQ(prizeSprites(t.form), shown) << prize;
        EXPECT_TRUE(t.form.APNG_prize.visible());
    }
}

TEST(OwnPrize, FlickersSettlesAndEndsWithTheWaitingSheet) {
    for (const bool sheetWaits : {true, false}) {
        ShopTable t;
        t.client.shop.Rnd = [] {
            return 0.99;
        };
        t.client.shop.NewMyPrize = 1500;
        t.client.shop.MyPrizePending = true;
        t.client.settlement.ShowScoreAfter = sheetWaits;
        t.form.APNG_prizenum(10).setVisible(true);
        t.form.APNG_prizenum(10).Pause(3);
        StartMyPrizeAnimation(t.ctx);
        // The state at each moment after the set-up, and the sprites where they stand still.
        struct Moment {
            int at;
            std::int16_t state;
            QString sprites;
        };
        const std::vector<Moment> moments{
            {0, 1, u".......8883"_s},
            {1000, 1, {}},
            {1001, 5, {}},
            {3001, 5, {}},
            {3002, 10, {}},
            {3003, 11, u".......1500"_s},
            {8003, 11, u".......1500"_s},
        };
        int at = 0;
        for (const Moment& m : moments) {
            t.platform.time.advance(m.at - at);
            at = m.at;
            StepMyPrizeAnimation(t.ctx);
            EXPECT_EQ(t.client.shop.ReMyPrizeWeiState, m.state) << m.at;
            if (!m.sprites.isEmpty()) {
                EXPECT_EQ(prizeSprites(t.form), m.sprites) << m.at;
            }
        }
        t.platform.time.advance(1);
        StepMyPrizeAnimation(t.ctx);
        EXPECT_EQ(prizeSprites(t.form), u"..........."_s);
        EXPECT_FALSE(t.form.APNG_prize.visible());
        EXPECT_FALSE(t.client.shop.MyPrizeRolling);
        EXPECT_FALSE(t.client.shop.MyPrizePending);
        EXPECT_EQ(scoreShown(t), sheetWaits);
        EXPECT_FALSE(t.client.settlement.ShowScoreAfter);
    }
}

TEST(OwnPrize, StopsWithoutTouchingTheSpritesOnceNoLongerPending) {
    ShopTable t;
    t.client.shop.NewMyPrize = 2000;
    t.client.shop.MyPrizePending = true;
    StartMyPrizeAnimation(t.ctx);
    StepMyPrizeAnimation(t.ctx);
    t.client.shop.MyPrizePending = false;
    t.platform.time.advance(1500);
    StepMyPrizeAnimation(t.ctx);
    EXPECT_FALSE(t.client.shop.MyPrizeRolling);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(t.form.APNG_prizenum(i).visible(), i >= 7) << i;
        EXPECT_EQ(t.form.APNG_prizenum(i).playing(), i >= 7) << i;
    }
    EXPECT_TRUE(t.form.APNG_prize.visible());
}

TEST(JadeReward, TheDigitsStandInTheFrameByTheirCount) {
    struct Case {
        QString jade;
        std::vector<int> offsets;
        QString digits;
    };
    const std::vector<Case> cases{
        {u"5"_s, {190}, u"5"_s},
        {u"12"_s, {180, 200}, u"12"_s},
        {u"3a0b95"_s, {140, 156, 172, 188, 204, 220}, u"300095"_s},
        {QString(190, u'8') + u"0123456789"_s,
         {140, 156, 172, 188, 204, 220, 236, 252, 268, 284},
         u"0123456789"_s},
    };
    for (const QSize screen : {QSize{1024, 768}, QSize{800, 600}}) {
        for (const Case& c : cases) {
            ShopTable t(screen);
            InitJadeTask(t.ctx);
            t.client.shop.JadeRewardText = c.jade;
            ShowJadeReward(t.ctx);
            const float scale = t.client.table.ScaleX;
            const controls::APNG& frame = t.form.APNG_JadeKuang;
            QString digits;
            for (std::size_t j = 0; j < c.offsets.size(); ++j) {
                const controls::APNG& digit = t.form.APNG_JadeNum(static_cast<int>(j));
                EXPECT_TRUE(digit.visible());
                EXPECT_FLOAT_EQ(digit.left(), frame.left() + c.offsets[j] * scale);
                EXPECT_FLOAT_EQ(digit.top(), frame.top() + 30 * scale);
                digits += QString::number(digit.frameCounter());
            }
            EXPECT_EQ(digits, c.digits) << c.jade.size();
            EXPECT_EQ(t.form.APNG_JadeNum.count(), static_cast<int>(c.offsets.size()));
            EXPECT_TRUE(t.client.shop.JadeRewardPending);
        }
    }
}

} // namespace
} // namespace qv::shop
