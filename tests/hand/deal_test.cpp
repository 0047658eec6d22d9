#include "hand/deal.h"
#include "hand/deal_animation.h"
#include "hand/hand_layout.h"
#include "hand/table_reset.h"
#include "hand_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

using testing_support::HandTable;
using testing_support::sampleHand;
using testing_support::shows;

/// Deals `cards` on a freshly reset table, noting the legs of the animation in the order they
/// ran, by where their last moving card stood.
std::vector<int> deal(HandTable& t, const std::vector<rules::CardCode>& cards) {
    ResetTable(t.ctx);
    std::vector<int> legs;
    const auto id = t.platform.time.startTimer(1, [&] {
        const forms::Image& last = t.form.imgCardMove(kMovingCards - 1);
        if (!last.visible()) {
            return;
        }
        for (int step = 0; step < 4; ++step) {
            const CardSpot spot =
                DealCardSpot(step, kMovingCards - 1, t.client.table.ScaleX, t.client.table.ScaleY);
            if (spot.left == last.left() && spot.top == last.top() &&
                (legs.empty() || legs.back() != step)) {
                legs.push_back(step);
            }
        }
    });
    OnDealCards(t.ctx, cards);
    t.platform.time.stopTimer(id);
    return legs;
}

TEST(DealTest, TheHandIsKeptInMessageOrderAndShownSorted) {
    HandTable t;
    const auto cards = sampleHand();
    const std::vector<int> legs = deal(t, cards);
    EXPECT_EQ(legs, (std::vector<int>{0, 3, 2, 1}));

    const PlayerInfo& own = t.client.hand.custom[0];
    ASSERT_EQ(own.sum, 27);
    EXPECT_EQ(own.bakSum, 27);
    for (std::size_t i = 0; i < 27; ++i) {
        EXPECT_EQ(own.bakPai.at(i).code, cards.at(i));
        EXPECT_EQ(own.bakPai.at(i).Ind, static_cast<int>(i));
    }
    const HandLayout row = ComputeHandLayout(90, 27, 1024, 1.0F);
    for (int i = 0; i < 27; ++i) {
        const CardSlot& slot = own.pai.at(static_cast<std::size_t>(i));
        EXPECT_EQ(slot.Ind, i);
        if (i > 0) {
            EXPECT_FALSE(rules::handOrderBefore(slot.code, own.pai.at(i - 1).code)) << i;
        }
        const forms::Image& image = t.form.cardImage0(i);
        EXPECT_TRUE(shows(image, rules::picCodeOf(slot.code))) << i;
        EXPECT_TRUE(image.visible());
        EXPECT_EQ(image.left(), i * row.spacing + row.left);
        EXPECT_EQ(image.top(), 545);
    }
    EXPECT_EQ(rules::cardFace(own.pai[0].code), 17);
    EXPECT_EQ(rules::cardFace(own.pai[2].code), 16);
    EXPECT_EQ(rules::cardFace(own.pai[4].code), 15);
    for (std::size_t s = 1; s <= 3; ++s) {
        const PlayerInfo& other = t.client.hand.custom.at(s);
        EXPECT_EQ(other.sum, 27);
        for (std::size_t k = 0; k < 27; ++k) {
            EXPECT_EQ(other.pai.at(k).Ind, static_cast<int>(k));
        }
    }
    EXPECT_EQ(t.client.hand.g_WavFile,
              t.platform.appFolder.path() + u"/../common/voices/sys010.wav"_s);
}

TEST(DealTest, TheFaceDownHandsLieAtTheirSeats) {
    HandTable t;
    deal(t, sampleHand());
    auto& f = t.form;
    EXPECT_TRUE(shows(f.shanImage(0), 403));
    EXPECT_TRUE(shows(f.shanImage(1), 413));
    EXPECT_TRUE(shows(f.shanImage(2), 423));
    const double floor = f.imgDilan.top() + f.imgDilan.height();
    EXPECT_EQ(f.shanImage(0).left(), 0);
    EXPECT_EQ(f.shanImage(0).top(), (floor - 200) * 0.5 - 30);
    EXPECT_EQ(f.shanImage(1).top(), f.imgDinglan.top() + f.imgDinglan.height());
    EXPECT_EQ(f.shanImage(1).left(), (1024 - 220) * 0.5);
    EXPECT_EQ(f.shanImage(2).left(), 1024 - 240);
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(f.shanImage(k).visible());
    }
    EXPECT_FALSE(f.imgFaPai.visible());
}

TEST(DealTest, OnASmallScreenTheHandAndThePilesShrink) {
    HandTable t({800, 600});
    deal(t, sampleHand());
    auto& f = t.form;
    const float s = 0.78125F;
    const HandLayout row = ComputeHandLayout(90 * s, 27, 800, s);
    EXPECT_EQ(row.spacing, 13);
    EXPECT_EQ(f.cardImage0(3).left(), 3 * row.spacing + row.left);
    EXPECT_EQ(f.cardImage0(3).top(), 426);
    EXPECT_EQ(f.shanImage(0).width(), 240 * s);
    EXPECT_EQ(f.shanImage(1).height(), 175 * s);
    const double floor = f.imgDilan.top() + f.imgDilan.height();
    EXPECT_EQ(f.shanImage(2).top(), ((floor - 200 * s) * 0.5 - 70) / s);
    EXPECT_EQ(f.shanImage(2).left(), 800 - 240 * s);
}

TEST(DealTest, FewerThanAFullHandPlaysNoAnimation) {
    HandTable t;
    auto cards = sampleHand();
    cards.resize(5);
    const auto start = t.platform.time.monotonicMs();
    EXPECT_TRUE(deal(t, cards).empty());
    EXPECT_EQ(t.platform.time.monotonicMs(), start);
    EXPECT_EQ(t.client.hand.custom[0].sum, 5);
}

TEST(DealTest, ACardThatIsNoCardIsHeldButNotShown) {
    HandTable t;
    auto cards = sampleHand();
    cards[3] = rules::makeCard(9, 3, 200);
    deal(t, cards);
    const PlayerInfo& own = t.client.hand.custom[0];
    EXPECT_EQ(own.bakPai[3].code, cards[3]);
    int shown = 0;
    for (int i = 0; i < 27; ++i) {
        shown += t.form.cardImage0(i).visible() ? 1 : 0;
    }
    EXPECT_EQ(shown, 26);
    EXPECT_FALSE(t.platform.process.ended());
}

} // namespace
} // namespace qv::hand
