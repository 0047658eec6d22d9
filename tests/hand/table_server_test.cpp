#include "app/client.h"
#include "rules/card_code.h"
#include "support/network_table.h"
#include "table/main_form.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

// On real sockets the table server seats the client with three computer players and deals; the
// client shows four filled seats and its 27 cards sorted.
TEST(TableServerTest, TheClientIsSeatedAndDealtAHand) {
    test::TableServerRun server(
        {u"--seed"_s, u"5"_s, u"--delay"_s, u"0"_s, u"--deal-after"_s, u"100"_s});
    ASSERT_GT(server.port(), 0);

    test::ClientAtTable atTable(server.port());
    auto& platform = atTable.platform;
    Client& client = atTable.client;
    table::MainForm& form = atTable.form;

    const auto dealt = [&client, &form] {
        return client.hand.custom[0].sum == 27 && form.cardImage0(26).visible();
    };
    ASSERT_TRUE(test::runUntil(dealt, platform.fakes.process));

    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_FALSE(client.hand.custom.at(static_cast<std::size_t>(seat)).name.isEmpty());
        EXPECT_TRUE(form.Nid(seat).caption().startsWith(u'[')) << seat;
        EXPECT_TRUE(form.Cash(seat).caption().endsWith(u"金币"_s)) << seat;
    }
    const PlayerInfo& own = client.hand.custom[0];
    for (int i = 1; i < 27; ++i) {
        EXPECT_FALSE(rules::handOrderBefore(own.pai.at(static_cast<std::size_t>(i)).code,
                                            own.pai.at(static_cast<std::size_t>(i - 1)).code));
    }
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(form.shanImage(k).visible());
    }
    EXPECT_TRUE(form.imgDizhu.visible());
}

} // namespace
} // namespace qv::hand
