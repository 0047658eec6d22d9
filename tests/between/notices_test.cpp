#include "between_fixture.h"
#include "common/gbk.h"
#include "table/exit_windows.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::between {
namespace {

using testing_support::BetweenTable;
using testing_support::shown;

connection::GameMessage chat(std::array<std::uint8_t, 4> subCode, const QByteArray& text) {
    auto m = BetweenTable::message(connection::MsgChat);
    for (int i = 0; i < 4; ++i) {
        m.setU8(236 + i, subCode.at(static_cast<std::size_t>(i)));
    }
    m.writeBytes(16, text);
    return m;
}

struct RoutingCase {
    const char* name;
    std::array<std::uint8_t, 4> subCode;
    bool toChat;
};

class ChatRoutingTest : public testing::TestWithParam<RoutingCase> {};

// The item plug-in's own sub-codes never reach the chat; with no plug-in they are dropped. A
// first byte of 128 or more drops out of the sub-code.
TEST_P(ChatRoutingTest, TheSubCodeChoosesTheReceiver) {
    BetweenTable t;
    t.dispatch(chat(GetParam().subCode, "hello"));
    EXPECT_EQ(t.form.Sysmsg(1).items().contains(u"hello"_s), GetParam().toChat);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChatRoutingTest,
                         testing::Values(RoutingCase{"chat", {0, 0, 0, 0}, true},
                                         RoutingCase{"plugin_260", {0, 0, 1, 4}, false},
                                         RoutingCase{"plugin_272", {0, 0, 1, 16}, false},
                                         RoutingCase{"high_first_byte", {0x80, 0, 1, 16}, false},
                                         RoutingCase{"other", {1, 0, 1, 16}, true}),
                         [](const auto& param) { return std::string(param.param.name); });

// The reason's last character may be a double-byte one whose second byte lies past the field.
TEST(KickedTest, TheReasonIsShownAndTheTableClosed) {
    BetweenTable t;
    const QByteArray pair = *toGbk(u"中"_s);
    QByteArray reason(199, 'a');
    auto m = BetweenTable::message(connection::MsgKicked);
    m.writeBytes(16, reason);
    m.setU8(215, static_cast<std::uint8_t>(pair[0]));
    m.setU8(216, static_cast<std::uint8_t>(pair[1]));
    t.dispatch(m);
    auto* notice = t.client.forms.find<table::frmOtherExit>();
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->visible());
    EXPECT_TRUE(notice->topmost());
    EXPECT_EQ(notice->Label1.caption(), QString(199, u'a') + u"中"_s);
    EXPECT_TRUE(shown<settlement::Hero>(t));
    EXPECT_TRUE(t.client.hand.custom[1].name.isEmpty());
    EXPECT_EQ(t.client.hand.custom[0].name, u"me"_s);
    EXPECT_FALSE(t.client.conn.g_bInGame);
    EXPECT_FALSE(t.platform.process.ended());
}

TEST(KickedTest, AnEmptyReasonStillClosesTheTableAndHiddenPlayShowsNoHistory) {
    BetweenTable t;
    t.client.table.g_bHiddenPlay = true;
    t.dispatch(BetweenTable::message(connection::MsgKicked));
    auto* notice = t.client.forms.find<table::frmOtherExit>();
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->Label1.caption().isEmpty());
    EXPECT_FALSE(shown<settlement::Hero>(t));
    EXPECT_EQ(t.client.conn.SeatedCount, 0);
}

connection::GameMessage ready(const QByteArray& name, std::uint8_t state = 1) {
    auto m = BetweenTable::message(connection::MsgPlayerReady, {{15, state}});
    m.writeBytes(16, name);
    return m;
}

// Marks show for the named seat only; three others ready before the first deal prepare the
// table, every time.
TEST(PlayerReadyTest, MarksAndTheFirstHandsPreparation) {
    BetweenTable t;
    for (int i = 0; i < 4; ++i) {
        t.form.OK(i).setVisible(false);
    }
    t.client.conn.g_bTableReset = false;
    t.dispatch(ready("nobody"));
    t.dispatch(ready("p2", 0));
    EXPECT_FALSE(t.form.OK(1).visible());
    t.dispatch(ready("p2"));
    t.dispatch(ready("p4"));
    EXPECT_TRUE(t.form.OK(1).visible());
    EXPECT_FALSE(t.client.conn.g_bTableReset);
    t.dispatch(ready("p8"));
    EXPECT_TRUE(t.form.OK(3).visible());
    EXPECT_TRUE(t.client.conn.g_bTableReset);
    t.client.conn.g_bTableReset = false;
    t.dispatch(ready("x", 0));
    EXPECT_TRUE(t.client.conn.g_bTableReset);

    t.client.conn.g_bFirstDealDone = 1;
    t.client.conn.g_bTableReset = false;
    t.dispatch(ready("me"));
    EXPECT_TRUE(t.form.OK(0).visible());
    EXPECT_FALSE(t.client.conn.g_bTableReset);
}

} // namespace
} // namespace qv::between
