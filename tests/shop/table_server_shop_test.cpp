#include "app/client.h"
#include "forms/input_router.h"
#include "shop/winners.h"
#include "support/mouse_turn.h"
#include "support/network_table.h"
#include "table/main_form.h"

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

} // namespace
} // namespace qv::shop
