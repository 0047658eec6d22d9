#include "forms/input_router.h"
#include "play_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

using testing_support::PlayTable;

/// The mouse on the table window, through the window's own input router.
struct Mouse {
    explicit Mouse(PlayTable& table) : t(table), router(table.form) {}

    /// A point on the control's visible left edge, in the window's pixels.
    QPointF on(const forms::Control& control) const {
        const QRectF surface = t.form.Pic1.pixelRect();
        const QRectF rect = control.pixelRect();
        return surface.topLeft() + QPointF(rect.left() + 3, rect.top() + 10);
    }
    void click(const forms::Control& control, int button = forms::mouse::kLeft) {
        const QPointF at = on(control);
        EXPECT_EQ(&router.targetAt(at), &control) << control.name().toStdString();
        router.mousePress(at, button, 0);
        router.mouseRelease(at, button, 0);
    }
    void rightClickTable() {
        const QPointF at = t.form.Pic1.pixelRect().topLeft() + QPointF(500, 300);
        router.mousePress(at, forms::mouse::kRight, 0);
        router.mouseRelease(at, forms::mouse::kRight, 0);
    }

    PlayTable& t;
    forms::InputRouter router;
};

TEST(PlayInputTest, RaisingAndLoweringRestoreTopExactly) {
    PlayTable t;
    t.deal();
    Mouse mouse(t);
    forms::Image& card = t.slotImage(5);
    const double base = t.client.hand.g_HandBaseTop;
    ASSERT_EQ(card.top(), base);
    mouse.click(card);
    EXPECT_EQ(card.top(), base - card.height() / 5);
    EXPECT_EQ(t.raised(), (std::vector<int>{5}));
    mouse.click(card);
    EXPECT_EQ(card.top(), base);
    EXPECT_TRUE(t.raised().empty());
}

TEST(PlayInputTest, ARightClickWithoutTheTurnPlaysNothing) {
    PlayTable t;
    t.deal();
    Mouse mouse(t);
    mouse.click(t.slotImage(5));
    mouse.click(t.slotImage(5), forms::mouse::kRight);
    mouse.rightClickTable();
    EXPECT_TRUE(t.sent().empty());
    EXPECT_EQ(t.client.hand.custom[0].sum, 27);

    t.ownLead();
    mouse.rightClickTable();
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].u8(17), 1);
    EXPECT_EQ(t.client.hand.custom[0].sum, 26);
}

// The first press searches; later presses walk the list: hints 0, 1, 2 and 0 again. The list
// is replaced after the first press to show that no press searches again.
TEST(PlayInputTest, HintPressesCycleThroughOneSearch) {
    PlayTable t;
    t.deal();
    t.ownTurnAfter(8, {{13, 1}}, rules::PlaySingle);
    Mouse mouse(t);
    mouse.click(t.form.Operation(1));
    ASSERT_TRUE(t.client.hints.g_bPromptReady);
    ASSERT_GT(t.client.hints.g_PromptCount, 0);
    EXPECT_EQ(t.raised().size(), 1U);

    rules::HintState crafted;
    for (const int face : {14, 15, 17}) {
        rules::HintRow row;
        row.type = rules::PlaySingle;
        row.append(face);
        crafted.push(row);
    }
    crafted.g_PromptIndex = 1;
    crafted.g_bPromptReady = true;
    t.client.hints = crafted;
    // Hint 1 is a two: its first slot; hint 2 the big joker in slot 0; then hint 0, an ace.
    std::vector<std::vector<int>> got;
    for (int press = 0; press < 3; ++press) {
        mouse.click(t.form.Operation(1));
        got.push_back(t.raised());
    }
    EXPECT_EQ(got, (std::vector<std::vector<int>>{{4}, {0}, {6}}));
    EXPECT_EQ(t.client.hints.g_PromptIndex, 1);
}

TEST(PlayInputTest, AnEmptyHintListPasses) {
    PlayTable t;
    t.deal();
    std::vector<testing_support::Card> twelve(8, {5, 1});
    twelve.insert(twelve.end(), {{16, 1}, {16, 1}, {17, 1}, {17, 1}});
    t.ownTurnAfter(8, twelve, rules::PlayBomb(12));
    Mouse mouse(t);
    mouse.click(t.slotImage(5));
    mouse.click(t.form.Operation(1));
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].command(), 7);
    EXPECT_EQ(sent[0].u8(6), 1);
    EXPECT_EQ(sent[0].u8(15), 1);
    for (int k = 0; k < 3; ++k) {
        EXPECT_FALSE(t.form.Operation(k).visible());
        EXPECT_FALSE(t.form.Operation(k).enabled());
    }
    EXPECT_TRUE(t.raised().empty());
    EXPECT_FALSE(t.client.hand.g_bMyTurn);
}

TEST(PlayInputTest, ThePreviousTrickShowsForThreeSeconds) {
    PlayTable t;
    t.deal();
    t.receive(testing_support::Play(4, 8, {{5, 1}}, 1));
    t.receive(testing_support::Play(8, 1, {{6, 1}}, 1));
    t.receive(testing_support::Play(1, 2));
    t.receive(testing_support::Play(2, 4));
    t.receive(testing_support::Play(4, 8, {{7, 1}}, 1));
    forms::Image& previous = t.form.cardImage2(0);
    forms::Image& current = t.form.cardImage2(1);
    ASSERT_TRUE(current.visible());
    ASSERT_FALSE(previous.visible());
    t.form.Operation(4).setVisible(true);
    t.form.Operation(4).setEnabled(true);
    Mouse mouse(t);
    mouse.click(t.form.Operation(4));
    EXPECT_TRUE(previous.visible());
    EXPECT_FALSE(current.visible());
    t.platform.time.advance(2000);
    mouse.click(t.form.Operation(4));
    EXPECT_TRUE(previous.visible());
    t.platform.time.advance(1000);
    EXPECT_FALSE(previous.visible());
    EXPECT_TRUE(current.visible());
    EXPECT_TRUE(t.client.hand.g_bPrevTrickReady);
}

TEST(PlayInputTest, HoverPicturesLoadOnceAndTheTableResetsThem) {
    PlayTable t;
    t.deal();
    t.ownLead();
    Mouse mouse(t);
    const QPointF onHint = mouse.on(t.form.Operation(1));
    mouse.router.mouseMove(onHint, 0, 0);
    EXPECT_TRUE(t.client.table.OperationHover[1]);
    EXPECT_TRUE(testing_support::shows(t.form.Operation(1), 182));
    mouse.router.mouseMove(t.form.Pic1.pixelRect().topLeft() + QPointF(500, 300), 0, 0);
    EXPECT_FALSE(t.client.table.OperationHover[1]);
    EXPECT_TRUE(testing_support::shows(t.form.Operation(1), 181));
}

} // namespace
} // namespace qv::hand
