#include "forms/form_host.h"
#include "hand/chu_pai.h"
#include "hand/hand_selection.h"
#include "hand/own_play.h"
#include "hand/played_area.h"
#include "play_fixture.h"

#include <gtest/gtest.h>

namespace qv::hand {
namespace {

using testing_support::Card;
using testing_support::PlayTable;

bool noticeShown(const PlayTable& t) {
    const auto* notice = t.client.forms.find<ChuPai>();
    return notice != nullptr && notice->visible();
}

TEST(OwnPlayTest, NothingRaisedDoesNothing) {
    PlayTable t;
    t.deal();
    t.ownLead();
    const HandState before = t.client.hand;
    JudgeChuPai(t.ctx);
    EXPECT_EQ(t.client.hand, before);
    EXPECT_TRUE(t.sent().empty());
    EXPECT_FALSE(noticeShown(t));
}

// A selection that forms no play is refused even on a free lead, with the notice centred on
// the table; one that does not beat the play to beat shows the notice where it last stood.
TEST(OwnPlayTest, RefusedSelectionsShowTheNoticeAndChangeNothing) {
    PlayTable t;
    t.deal();
    t.ownLead();
    const int king = t.slotOf(13, 41);
    const int three = t.slotOf(3, 3);
    t.raise({king, three});
    JudgeChuPai(t.ctx);
    EXPECT_TRUE(noticeShown(t));
    ChuPai& notice = t.client.forms.get<ChuPai>();
    const double centredLeft = (t.form.width() - notice.width()) / 2 + t.form.left();
    EXPECT_EQ(notice.left(), centredLeft);
    EXPECT_EQ(t.raised(), (std::vector<int>{king, three}));
    EXPECT_TRUE(t.sent().empty());
    EXPECT_TRUE(t.client.hand.Oper_Flag);

    notice.hide();
    notice.move(notice.left() + 300, notice.top() + 150);
    t.ownTurnAfter(8, {{14, 1}}, rules::PlaySingle);
    LowerRaisedCards(t.ctx);
    const int ten = t.slotOf(10, 31);
    t.raise({ten});
    JudgeChuPai(t.ctx);
    EXPECT_TRUE(noticeShown(t));
    EXPECT_EQ(notice.left(), centredLeft + 300);
    EXPECT_EQ(t.raised(), (std::vector<int>{ten}));
    EXPECT_TRUE(t.sent().empty());
}

TEST(OwnPlayTest, TwoCopiesOfOneCardSendTheirOwnDeckIndexes) {
    PlayTable t;
    t.deal();
    t.ownLead();
    const int sum = t.client.hand.custom[0].sum;
    t.raise({t.slotOf(14, 47), t.slotOf(14, 99)});
    JudgeChuPai(t.ctx);
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    const auto& m = sent[0];
    EXPECT_EQ(m.command(), 7);
    EXPECT_EQ(m.u8(6), 1);
    EXPECT_EQ(m.u8(15), 2);
    EXPECT_EQ(m.u8(16), 0);
    EXPECT_EQ(m.u8(17), 2);
    EXPECT_EQ(m.u8(18), rules::PlayPair);
    EXPECT_EQ(std::set<int>({m.u8(20), m.u8(21)}), (std::set<int>{47, 99}));
    EXPECT_EQ(m.u8(22), 0);
    // The play left the hand at once, with a copy of the hand before it.
    EXPECT_EQ(t.client.hand.custom[0].sum, sum - 2);
    EXPECT_EQ(t.client.hand.custom[0].bakSum, sum);
    EXPECT_EQ(t.client.hand.OwnLastCount, 2);
    EXPECT_FALSE(t.client.hand.Oper_Flag);
    EXPECT_FALSE(t.client.hand.g_bMyTurn);
    EXPECT_EQ(t.client.rules.LastPlayType, rules::PlayPair);
    EXPECT_TRUE(t.raised().empty());
    EXPECT_FALSE(t.form.Operation(0).visible());
    EXPECT_FALSE(t.form.Time_Img.visible());
}

struct PartnerCase {
    const char* name;
    std::uint8_t caller;
    int face;
    int suit;
    std::vector<std::pair<int, int>> plays;
    std::vector<int> flags;
};

// Byte 16 tells the partnership: another player's copy of the called card shows it at once, the
// caller's own first copy shows nothing and his second does.
TEST(OwnPlayTest, TheCalledCardRevealsThePartnership) {
    const PartnerCase cases[] = {
        {"another player's copy", 2, 9, 2, {{9, 25}}, {1}},
        {"the caller's two copies", 1, 14, 8, {{14, 47}, {14, 99}}, {0, 1}},
        {"the caller's other card", 1, 14, 8, {{13, 41}}, {0}},
    };
    for (const auto& c : cases) {
        PlayTable t;
        t.deal(c.caller);
        connection::GameMessage call;
        call.setCommand(connection::MsgCallCard);
        call.setU8(8, c.caller);
        call.setU8(12, static_cast<std::uint8_t>(c.face));
        call.setU8(13, static_cast<std::uint8_t>(c.suit));
        t.dispatch(call);
        for (std::size_t k = 0; k < c.plays.size(); ++k) {
            t.receive(testing_support::Play(8, 1).state(1));
            t.raise({t.slotOf(c.plays[k].first, c.plays[k].second)});
            JudgeChuPai(t.ctx);
            const auto sent = t.sent();
            ASSERT_EQ(sent.size(), 1U) << c.name;
            EXPECT_EQ(sent[0].u8(16), c.flags[k]) << c.name << " " << k;
        }
    }
}

class PlayedPlaceTest : public ::testing::TestWithParam<QSize> {};

TEST_P(PlayedPlaceTest, APlayStandsCentredOnTheOwnAnchor) {
    PlayTable t(GetParam());
    t.deal();
    t.ownLead();
    const std::vector<int> slots = {t.slotOf(10, 31), t.slotOf(10, 30), t.slotOf(10, 28)};
    std::vector<int> images;
    for (const int slot : slots) {
        images.push_back(t.client.hand.custom[0].pai.at(static_cast<std::size_t>(slot)).Ind);
    }
    t.raise({slots[0], slots[1], slots[2]});
    JudgeChuPai(t.ctx);
    const float sx = t.client.table.ScaleX;
    const PlayerInfo& own = t.client.hand.custom[0];
    const double width = t.form.cardImage1(0).width();
    for (int i = 0; i < 3; ++i) {
        const forms::Image& card =
            t.form.cardImage0(t.client.hand.PlayedImg[0][static_cast<std::size_t>(i)]);
        EXPECT_DOUBLE_EQ(card.left(), PlayedCardLeft(own.playX, 3, i, width, sx)) << i;
        EXPECT_DOUBLE_EQ(card.top(), own.playY - 15 * t.client.table.ScaleY) << i;
        EXPECT_EQ(card.width(), width);
        EXPECT_TRUE(card.visible());
    }
    EXPECT_EQ(t.client.hand.PlayedImg[0][33], 3);
    if (sx == 1.0F) {
        const forms::Image& first = t.form.cardImage0(t.client.hand.PlayedImg[0][0]);
        EXPECT_NEAR(first.left(), own.playX - (9.9 * 3 + 35.1), 1e-9);
    }
    // The hand closed up on its base line, none of it raised.
    EXPECT_TRUE(t.raised().empty());
    for (int i = 0; i < own.sum; ++i) {
        EXPECT_EQ(t.slotImage(i).top(), t.client.hand.g_HandBaseTop);
        EXPECT_TRUE(t.slotImage(i).visible());
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, PlayedPlaceTest,
                         ::testing::Values(QSize(1024, 768), QSize(800, 600)),
                         [](const ::testing::TestParamInfo<QSize>& size) {
                             return std::to_string(size.param.width());
                         });

TEST(OwnPlayTest, TheLastCardGivesTheBadgeAndThePlace) {
    struct Case {
        const char* name;
        bool otherFirst;
        std::int16_t first;
        std::int16_t second;
    };
    for (const Case c : {Case{"first", false, 0, kNoFinisher}, Case{"second", true, 2, 0}}) {
        PlayTable t;
        t.deal();
        t.ownLead();
        if (c.otherFirst) {
            t.client.hand.g_bFirstDone = true;
            t.client.hand.idiyiming_st = 2;
            t.client.hand.g_FinishCount = 1;
        }
        t.client.hand.custom[0].sum = 1;
        t.raise({0});
        JudgeChuPai(t.ctx);
        EXPECT_EQ(t.client.hand.custom[0].sum, 0) << c.name;
        EXPECT_TRUE(t.form.first(0).visible()) << c.name;
        EXPECT_TRUE(testing_support::shows(t.form.first(0), c.otherFirst ? 361 : 360)) << c.name;
        EXPECT_EQ(t.client.hand.idiyiming_st, c.first) << c.name;
        EXPECT_EQ(t.client.hand.idierming_st, c.second) << c.name;
    }
}

// Without the right to send, the play changes nothing at all: nothing is queued, shown,
// counted or taken from the hand.
TEST(OwnPlayTest, WithoutTheRightToSendNothingChanges) {
    PlayTable t;
    t.deal();
    t.ownLead();
    t.raise({t.slotOf(14, 47)});
    t.client.hand.Oper_Flag = false;
    const HandState hand = t.client.hand;
    const auto conn = t.client.conn.snapshot();
    JudgeChuPai(t.ctx);
    EXPECT_EQ(t.client.hand, hand);
    EXPECT_EQ(t.client.conn.snapshot(), conn);
    EXPECT_TRUE(t.form.Time_Img.visible());
    EXPECT_EQ(t.raised().size(), 1U);
}

} // namespace
} // namespace qv::hand
