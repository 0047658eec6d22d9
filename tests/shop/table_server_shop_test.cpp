#include "app/client.h"
#include "forms/input_router.h"
#include "settlement/score_window.h"
#include "shop/winners.h"
#include "support/mouse_turn.h"
#include "support/network_table.h"
#include "table/main_form.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::shop {
namespace {

/// The chip settings (command 93 of kind 3) the server got, with the results it had sent
/// before each.
struct ChipSetting {
    std::uint32_t amount;
    int resultsBefore;
};

std::vector<ChipSetting> chipSettings(const std::vector<test::LoggedMessage>& log) {
    std::vector<ChipSetting> settings;
    int results = 0;
    for (const test::LoggedMessage& m : log) {
        if (!m.in && m.command == 9) {
            ++results;
        }
        if (m.in && m.command == 93 && m.bytes.size() > 24 && m.bytes[16] == 3) {
            const auto amount = static_cast<std::uint8_t>(m.bytes[21]);
            settings.push_back({amount, results});
        }
    }
    return settings;
}

/// The player's ready messages (command 16 with byte 15 = 1) the server got.
int readies(const std::vector<test::LoggedMessage>& log) {
    return static_cast<int>(std::count_if(log.begin(), log.end(), [](const auto& m) {
        return m.in && m.command == 16 && m.bytes.size() > 15 && m.bytes.at(15) == 1;
    }));
}

/// The hands the server dealt (command 1).
int deals(const std::vector<test::LoggedMessage>& log) {
    return static_cast<int>(std::count_if(log.begin(), log.end(),
                                          [](const auto& m) { return !m.in && m.command == 1; }));
}

bool noted(const std::vector<test::LoggedMessage>& log, const QByteArray& text) {
    return std::any_of(log.begin(), log.end(), [&text](const test::LoggedMessage& m) {
        return m.command == -1 && m.bytes.contains(text);
    });
}

// On real sockets the table server fills the prize bar: the bag list shows the cigarettes and
// asks for the pool, which is drawn; a marquee and a coloured notice reach the banner and the
// ticker, and the winners request is answered from the server's records. The chip confirm and
// the forced refresh after a hand reach the server as command 93.
TEST(ShopTableServerTest, TheServerFillsThePrizeBarAndGetsTheChips) {
    QTemporaryDir folder;
    const QString records = folder.filePath(u"winners.txt"_s);
    {
        QFile file(records);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("# id;nickname;time;remark;value16;value32;kind;items\n"
                   "30;张三;1700000000;大奖;3;5000;1;3:10\n"
                   "20;李四;1699990000;二等;2;800;255;\n");
    }
    test::TableServerRun server({u"--seed"_s, u"5"_s, u"--delay"_s, u"0"_s, u"--turn-seconds"_s,
                                 u"2"_s, u"--phrases"_s, u"off"_s, u"--bag"_s, u"3:20 7:5"_s,
                                 u"--pool"_s, u"12345"_s, u"--winners"_s, records});
    ASSERT_GT(server.port(), 0);
    test::ClientAtTable atTable(server.port());
    auto& process = atTable.platform.fakes.process;
    Client& client = atTable.client;
    table::MainForm& form = atTable.form;

    const auto poolShown = [&form] {
        return form.Lb_prize(7).visible() && form.Lb_prize(7).caption() == u"1"_s &&
               form.Lb_prize(11).caption() == u"5"_s;
    };
    ASSERT_TRUE(test::runUntil(poolShown, process));
    EXPECT_EQ(form.Lb_mysmoke.caption(), u"20"_s);
    EXPECT_TRUE(form.Bank.visible());

    server.say("marquee 冠军赛开始");
    server.say("coloured 255 0 0 XX1XX恭喜发财");
    const auto ticker = [&form] {
        const int newest = form.Sysmsg(1).listCount() > 0 ? 1 : 0;
        return form.Sysmsg(newest).listCount() > 0 && form.Sysmsg(newest).list(0) == u"恭喜发财"_s;
    };
    ASSERT_TRUE(test::runUntil(ticker, process));
    EXPECT_EQ(form.moveWord1.pending(), 2);

    form.bt_prizesort.raiseClick();
    const auto listed = [&client] {
        return ShownPrizeRows(client.shop).size() == 2;
    };
    ASSERT_TRUE(test::runUntil(listed, process));
    EXPECT_EQ(ShownPrizeRows(client.shop)[0][2], u"张三"_s);
    EXPECT_EQ(ShownPrizeRows(client.shop)[1][1], u"二等"_s);
    EXPECT_TRUE(noted(server.log(), "winners asked for, newer than 0"));
    form.bt_prizesort.raiseClick();
    EXPECT_FALSE(form.Pic_prizesort.visible());

    form.Txt_chip.setText(u"5"_s);
    form.Img_chip_bt.raiseClick();
    const auto confirmed = [&server] {
        const auto settings = chipSettings(server.log());
        return std::any_of(settings.begin(), settings.end(),
                           [](const ChipSetting& s) { return s.amount == 5; });
    };
    ASSERT_TRUE(test::runUntil(confirmed, process));

    // The start button's forced refresh is the one the layout skips; each half of the hand's
    // result refreshes the chips with force.
    forms::InputRouter mouse(form);
    form.AnNiu(2).raiseClick();
    const auto settled = [&] {
        test::playTurnByMouse(client, mouse);
        const auto settings = chipSettings(server.log());
        return std::count_if(settings.begin(), settings.end(),
                             [](const ChipSetting& s) { return s.resultsBefore > 0; }) == 2;
    };
    ASSERT_TRUE(test::runUntil(settled, process, 120000));
    const auto settings = chipSettings(server.log());
    EXPECT_EQ(settings.front().resultsBefore, 0);
    EXPECT_EQ(settings.back().amount, 5U);
}

// On real sockets the server ends a hand with the player's prize and jade: the client shows the
// jade, then the prize rolling, then the sheet. The start button, pressed with the mouse while
// the prize rolls, stops the ready countdown and leaves the ready message to the reward
// sequence: the server gets exactly one, and deals the next hand.
TEST(ShopTableServerTest, AHandsRewardsShowInTurnAndTheStartButtonReadiesOnce) {
    // The ready countdown after a result runs for the turn time: ten seconds leave the jade its
    // five and the press its moment.
    test::TableServerRun server({u"--seed"_s, u"1"_s, u"--delay"_s, u"0"_s, u"--turn-seconds"_s,
                                 u"10"_s, u"--phrases"_s, u"off"_s, u"--reward"_s, u"3939,5"_s});
    ASSERT_GT(server.port(), 0);
    test::ClientAtTable atTable(server.port());
    auto& process = atTable.platform.fakes.process;
    Client& client = atTable.client;
    table::MainForm& form = atTable.form;
    forms::InputRouter mouse(form);
    const QPointF start = form.Pic1.pixelRect().topLeft() + form.AnNiu(2).pixelRect().center();
    const auto pressStart = [&] {
        ASSERT_EQ(&mouse.targetAt(start), &form.AnNiu(2));
        mouse.mousePress(start, forms::mouse::kLeft, 0);
        mouse.mouseRelease(start, forms::mouse::kLeft, 0);
    };

    ASSERT_TRUE(test::runUntil([&client] { return client.conn.SeatedCount == 4; }, process));
    pressStart();
    // What came on the table, in turn, and the jade's digit when it came.
    QStringList shown;
    int jadeDigit = -1;
    const auto sheet = [&client] {
        const auto* score = client.forms.find<settlement::Score>();
        return score != nullptr && score->visible();
    };
    const auto note = [&shown](bool now, const QString& what) {
        if (now && !shown.contains(what)) {
            shown << what;
        }
    };
    const auto prizeRolls = [&] {
        test::playTurnByMouse(client, mouse);
        if (form.APNG_Jadefinish.visible() && jadeDigit < 0) {
            jadeDigit = form.APNG_JadeNum(0).frameCounter();
        }
        note(form.APNG_Jadefinish.visible(), u"jade"_s);
        note(form.APNG_prize.visible(), u"prize"_s);
        note(sheet(), u"sheet"_s);
        return form.APNG_prize.visible();
    };
    ASSERT_TRUE(test::runUntil(prizeRolls, process, 120000));
    EXPECT_EQ(jadeDigit, 5);
    ASSERT_EQ(readies(server.log()), 1);

    QElapsedTimer sincePress;
    sincePress.start();
    pressStart();
    const auto dealtAgain = [&] {
        note(sheet(), u"sheet"_s);
        return deals(server.log()) == 2;
    };
    ASSERT_TRUE(test::runUntil(dealtAgain, process));
    EXPECT_GE(sincePress.elapsed(), 4000);
    EXPECT_EQ(shown, (QStringList{u"jade"_s, u"prize"_s, u"sheet"_s}));
    EXPECT_EQ(readies(server.log()), 2);
    EXPECT_FALSE(client.shop.RewardFinishPending);
}

} // namespace
} // namespace qv::shop
