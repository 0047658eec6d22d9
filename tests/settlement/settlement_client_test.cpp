#include "app/client.h"
#include "connection/commands.h"
#include "forms/form_host.h"
#include "platform/fake/fake_platform.h"
#include "result_fixtures.h"
#include "settlement/hero_window.h"
#include "settlement/score_sheet_file.h"
#include "settlement/show_settlement.h"
#include "table/main_form.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace qv::settlement {
namespace {

using testing_support::RecordFields;
using testing_support::SharedFields;

/// A whole client on fake services, its table loaded, the player at seat mask 2 with three
/// others: display seats 0 (mask 2), 1 (mask 4), 2 (mask 8), 3 (mask 1).
struct SettlementTable {
    SettlementTable() {
        platform.screen.size_ = {1024, 768};
        form.Form_Load();
        const std::array<std::uint8_t, 4> masks{2, 4, 8, 1};
        for (std::size_t i = 0; i < 4; ++i) {
            client.hand.custom.at(i).seat = masks.at(i);
            client.conn.SheetSeats.at(i) = {u"玩家%1"_s.arg(i), QString::number(i + 2)};
            client.conn.Detail.at(i).coins = 1000;
        }
        client.hand.Zhuangjia_st = 0;
        client.hand.g_CallerSeat = 2;
        client.conn.RoundNote = u"第一局"_s;
        for (const char* wave : {"sys121.wav", "sys150.wav"}) {
            platform.sound.waveFiles.insert(platform.appFolder.path() + u"/../common/pk/"_s +
                                            QString::fromLatin1(wave));
        }
        client.sound.InitSound();
    }

    /// Seat `mask` partnered with `partner`, won (sign 1) or lost (sign 2) `amount`.
    static RecordFields record(std::uint8_t mask, std::uint8_t partner, std::uint8_t sign,
                               std::uint64_t amount, std::uint8_t place) {
        return {.seatMask = mask,
                .partnerMask = partner,
                .totalSign = sign,
                .total = amount,
                .finalScore = amount,
                .level = 5,
                .place = place};
    }

    /// The two result messages of a hand that seats 2 and 8 won by `amount`, after the round
    /// start's reset of the result count.
    void hand(std::uint64_t amount = 400, SharedFields shared = {}) {
        client.conn.ResultPart = 0;
        result(shared, record(2, 8, 1, amount, 1), record(4, 1, 2, amount, 3));
        result(shared, record(8, 2, 1, amount, 2), record(1, 4, 2, amount, 4));
    }

    void result(const SharedFields& shared, const RecordFields& first, const RecordFields& second) {
        connection::GameMessage message = testing_support::resultMessage(shared, first, second);
        connection::DispatchFrame(client.conn, message);
    }

    QString sheetFile() const { return QDir(platform.appFolder.path()).filePath(u"info.vm"_s); }

    platform::fake::FakePlatform platform;
    Client client{platform.services};
    table::MainForm& form = client.forms.get<table::MainForm>();
    SettlementContext& ctx = *client.settlementOnTable();
    Score& score = client.forms.get<Score>();
    Hero& hero = client.forms.get<Hero>();
};

TEST(SettlementClient, TwoResultMessagesStoreTheRowsAndSettleOnce) {
    SettlementTable t;
    t.result({}, t.record(2, 8, 1, 400, 1), t.record(4, 1, 2, 400, 3));
    auto& conn = t.client.conn;
    EXPECT_EQ(conn.ResultPart, 1);
    EXPECT_TRUE(conn.g_bHoldLeft);
    EXPECT_TRUE(conn.HeldCmd45AArmed);
    EXPECT_TRUE(conn.HeldCmd45BArmed);
    EXPECT_EQ(t.client.settlement.ResultRows[0].u8(16), 2);
    EXPECT_EQ(t.client.settlement.ResultRows[1].u8(16), 4);
    EXPECT_EQ(t.score.State(0).listCount(), 0);
    EXPECT_EQ(conn.match.juNum, 0);

    t.result({}, t.record(8, 2, 1, 400, 2), t.record(1, 4, 2, 400, 4));
    EXPECT_EQ(t.client.settlement.ResultRows[3].u8(16), 1);
    EXPECT_EQ(conn.match.juNum, 1);
    EXPECT_EQ(t.score.State(0).list(3), u"名次：第一名"_s);
    EXPECT_EQ(t.score.State(4).items(), QStringList{u"最终分：400金币"_s});
    EXPECT_EQ(t.score.State(5).items(), QStringList{u"最终分：- 400金币"_s});
    EXPECT_EQ(t.score.ID(0).caption(), u"玩家0"_s);
    EXPECT_EQ(t.score.ID(0).foreColor(), kNameBlue);
    EXPECT_EQ(t.score.Tou(3).tag(), u"5"_s);
    EXPECT_FALSE(conn.g_bHoldLeft);
    EXPECT_EQ(conn.ResultStage, 2);
    EXPECT_TRUE(QFile::exists(t.sheetFile()));

    // Any later request for the sheet of this result writes nothing more.
    ShowSettlement(t.ctx);
    t.result({}, t.record(8, 2, 1, 400, 2), t.record(1, 4, 2, 400, 4));
    EXPECT_EQ(conn.ResultPart, 3);
    EXPECT_EQ(conn.match.juNum, 1);
    EXPECT_EQ(t.hero.Num.listCount(), 1);
}

// Cigarettes ordered during the hand go out with the first result only; each result refreshes
// the chips with force, but the first after the prize panel's layout only clears its flag.
TEST(SettlementClient, TheResultSendsThePendingOrderAndRefreshesTheChips) {
    SettlementTable t;
    auto& conn = t.client.conn;
    t.client.shop.goods.MyGoods.push_back({3, 20, 0});
    conn.PendingSmokeOrder = true;
    conn.PendingSmokeNum = 5;
    conn.g_bBuyDeferred = true;
    const auto shopMessages = [&conn] {
        std::vector<std::array<std::uint32_t, 3>> sent;
        while (conn.SendRing.hasMessage()) {
            const connection::GameMessage m = conn.SendRing.takeMessage();
            if (m.command() == connection::MsgShopOrder) {
                sent.push_back({m.u8(16), m.u32le(17), m.u32le(21)});
            }
        }
        return sent;
    };
    t.result({}, t.record(2, 8, 1, 400, 1), t.record(4, 1, 2, 400, 3));
    using Sent = std::vector<std::array<std::uint32_t, 3>>;
    EXPECT_EQ(shopMessages(), (Sent{{2, 3, 5}}));
    EXPECT_FALSE(conn.PendingSmokeOrder);
    EXPECT_EQ(conn.PendingSmokeNum, 0);
    EXPECT_FALSE(conn.g_bBuyDeferred);
    EXPECT_FALSE(t.client.shop.isUpdateChipNum);
    EXPECT_EQ(t.form.Img_chip_bt.tag(), u"0"_s);

    t.result({}, t.record(8, 2, 1, 400, 2), t.record(1, 4, 2, 400, 4));
    EXPECT_EQ(shopMessages(), (Sent{{3, 3, 1}}));
}

TEST(SettlementClient, TheBombLogGoesToTheRowOfItsLastBomb) {
    SettlementTable t;
    auto& hand = t.client.hand;
    const std::array<std::int16_t, 10> log{1, 9, 5, 0, 0, 2, 7, 6, 0, 0};
    std::copy(log.begin(), log.end(), hand.BombLog.begin());
    hand.BombLog[120] = 10;
    t.result({}, t.record(2, 8, 1, 400, 1), t.record(4, 1, 2, 400, 3));
    EXPECT_EQ(hand.BombTable[2][120], 10);
    EXPECT_TRUE(std::equal(log.begin(), log.end(), hand.BombTable[2].begin()));
    EXPECT_EQ(hand.BombTable[1][120], 0);
    EXPECT_TRUE(std::all_of(hand.BombLog.begin(), hand.BombLog.end(),
                            [](std::int16_t v) { return v == 0; }));
}

// The win and loss counters stop at the largest 32-bit count.
TEST(SettlementClient, TheCountersStopAtTheirLargestValue) {
    SettlementTable t;
    constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
    t.client.conn.Detail[0].wins = kMost;
    t.client.conn.Detail[1].losses = kMost;
    t.hand();
    EXPECT_EQ(t.client.conn.Detail[0].wins, kMost);
    EXPECT_EQ(t.client.conn.Detail[1].losses, kMost);
}

TEST(SettlementClient, BooksEveryRowInTheHistoryTheRecordsAndTheLabels) {
    SettlementTable t;
    t.client.conn.Detail[1].coins = 300;
    t.hand();
    auto& conn = t.client.conn;
    EXPECT_EQ(t.hero.Grade(0).items(), QStringList{u"400"_s});
    EXPECT_EQ(t.hero.Grade(1).items(), QStringList{u"-400"_s});
    EXPECT_EQ(t.hero.sunScore(1).caption(), u"-400"_s);
    EXPECT_EQ(conn.Detail[0].wins, 1);
    EXPECT_EQ(conn.Detail[0].coins, 1400);
    EXPECT_EQ(conn.Detail[1].losses, 1);
    EXPECT_EQ(conn.Detail[1].coins, 0);
    EXPECT_EQ(t.form.Cash(1).caption(), u"0金币"_s);
    EXPECT_EQ(t.form.Level(0).caption(), u"第五级"_s);
    EXPECT_EQ(t.hero.Num.items(), QStringList{u"1           "_s});

    t.hand(100);
    EXPECT_EQ(t.hero.Grade(0).items(), (QStringList{u"400"_s, u"100"_s}));
    EXPECT_EQ(t.hero.sunScore(0).caption(), u"500"_s);
    EXPECT_EQ(t.hero.sunScore(1).caption(), u"-500"_s);
    EXPECT_EQ(conn.match.juNum, 2);
}

TEST(SettlementClient, LevelsOutsideOneToFortyLeaveTheLabel) {
    for (const std::uint8_t level : {0, 41}) {
        SettlementTable t;
        t.form.Level(0).setCaption(u"before"_s);
        RecordFields own = t.record(2, 8, 1, 400, 1);
        own.level = level;
        t.result({}, own, t.record(4, 1, 2, 400, 3));
        t.result({}, t.record(8, 2, 1, 400, 2), t.record(1, 4, 2, 400, 4));
        EXPECT_EQ(t.form.Level(0).caption(), u"before"_s) << int{level};
    }
}

TEST(SettlementClient, ThenTheContinuePromptAndTheReadyCountdown) {
    SettlementTable t;
    t.client.conn.view = std::make_unique<connection::TableLog>();
    auto& log = dynamic_cast<connection::TableLog&>(*t.client.conn.view);
    t.hand();
    const auto& conn = t.client.conn;
    EXPECT_EQ(log.sysmsg[0], QStringList{u"请点击【继续】按钮继续游戏！"_s});
    EXPECT_EQ(log.sysmsg[1], QStringList{u"游戏将在15秒内开始"_s});
    EXPECT_TRUE(conn.slots.BongFlag[connection::kReadySlot]);
    EXPECT_EQ(conn.CountDown, 15);
    EXPECT_TRUE(t.form.Number.visible());
    EXPECT_EQ(t.form.Number.caption(), u"15"_s);
    EXPECT_TRUE(t.form.Time_Img.visible());
    EXPECT_FALSE(conn.g_bInGame);
    EXPECT_FALSE(t.client.table.AnNiuLocked[2]);
    EXPECT_TRUE(t.client.settlement.ShowScoreAfter);
}

TEST(SettlementClient, HiddenPlayCountsFromOneAndWatchingStartsNoCountdown) {
    SettlementTable hidden;
    hidden.client.table.g_bHiddenPlay = true;
    hidden.hand();
    EXPECT_EQ(hidden.client.conn.CountDown, 1);
    EXPECT_FALSE(hidden.client.settlement.ShowScoreAfter);

    SettlementTable watching;
    watching.client.conn.commandLine.g_bSpectator = true;
    watching.hand();
    EXPECT_FALSE(watching.client.conn.slots.BongFlag[connection::kReadySlot]);
    EXPECT_TRUE(watching.client.settlement.ShowScoreAfter);
}

TEST(SettlementClient, PlaysTheWinOrTheLoseSound) {
    struct Case {
        std::uint8_t sign;
        std::uint64_t amount;
        const char* wave;
    };
    for (const Case c :
         {Case{1, 400, "sys121.wav"}, Case{1, 0, "sys150.wav"}, Case{2, 400, "sys150.wav"}}) {
        SettlementTable t;
        t.result({}, t.record(2, 8, c.sign, c.amount, 1), t.record(4, 1, 2, 400, 3));
        t.result({}, t.record(8, 2, 1, 400, 2), t.record(1, 4, 2, 400, 4));
        EXPECT_TRUE(t.platform.sound.bufferPath().endsWith(QString::fromLatin1(c.wave)))
            << t.platform.sound.bufferPath().toStdString();
        EXPECT_FALSE(t.platform.sound.looping());
    }
    SettlementTable quiet;
    quiet.client.sound.g_bEffectOn = false;
    quiet.hand();
    EXPECT_FALSE(quiet.platform.sound.hasBuffer());
}

TEST(SettlementClient, HeroDoubleClickLoadsAnEarlierSheet) {
    SettlementTable t;
    t.hand(400);
    t.hand(100);
    EXPECT_EQ(t.score.State(4).items(), QStringList{u"最终分：100金币"_s});
    t.hero.Num.setListIndex(0);
    t.hero.Num_DblClick();
    EXPECT_EQ(t.score.State(4).items(), QStringList{u"最终分：400金币"_s});
    EXPECT_TRUE(t.score.visible());
}

TEST(SettlementClient, LeavingTheTableDeletesTheSheetAndTheHistory) {
    SettlementTable t;
    t.hand();
    ASSERT_TRUE(QFile::exists(t.sheetFile()));
    t.client.conn.tableExit->LeaveTableReset();
    EXPECT_FALSE(QFile::exists(t.sheetFile()));
    EXPECT_EQ(t.client.conn.match.juNum, 0);
    EXPECT_EQ(t.hero.Num.listCount(), 0);
    EXPECT_EQ(t.hero.Grade(0).listCount(), 0);
    EXPECT_EQ(t.score.State(0).listCount(), 0);
    EXPECT_EQ(t.client.settlement.RunningTotal, (std::array<double, 4>{}));
}

} // namespace
} // namespace qv::settlement
