#include "hand/card_pictures.h"
#include "hand_fixture.h"

#include <gtest/gtest.h>

namespace qv::hand {
namespace {

using testing_support::HandTable;
using testing_support::shows;

TEST(CardPicturesTest, OnlyCodesOfCardsArePictures) {
    for (const int code : {3, 15, 16, 17, 18, 19, 31, 35, 46, 63}) {
        EXPECT_TRUE(IsCardPicture(code)) << code;
    }
    for (const int code : {-1, 0, 2, 32, 33, 34, 48, 50, 64, 200}) {
        EXPECT_FALSE(IsCardPicture(code)) << code;
    }
}

TEST(CardPicturesTest, DeckCardsHaveAFaceAndASuitFlag) {
    using rules::makeCard;
    EXPECT_TRUE(IsDeckCard(makeCard(3, 1, 200)));
    EXPECT_TRUE(IsDeckCard(makeCard(15, 8)));
    EXPECT_TRUE(IsDeckCard(makeCard(16, 0)));
    EXPECT_TRUE(IsDeckCard(makeCard(17, 1)));
    EXPECT_FALSE(IsDeckCard(makeCard(17, 2)));
    EXPECT_FALSE(IsDeckCard(makeCard(2, 1)));
    EXPECT_FALSE(IsDeckCard(makeCard(18, 1)));
    EXPECT_FALSE(IsDeckCard(makeCard(5, 3)));
    EXPECT_FALSE(IsDeckCard(makeCard(5, 0)));
}

TEST(CardPicturesTest, PlayedCardsAndHandCardsTakeTheirOwnPictures) {
    HandTable t;
    ShowCard(t.ctx, 0, 3, 17);
    EXPECT_TRUE(shows(t.form.cardImage0(3), 354));
    ShowCard(t.ctx, 2, 5, 46);
    EXPECT_TRUE(shows(t.form.cardImage2(5), 327));
    ShowCard(t.ctx, 3, 0, 18);
    EXPECT_TRUE(shows(t.form.cardImage3(0), 18));
    ShowSmallCard(t.ctx, 0, 7, 46);
    EXPECT_TRUE(shows(t.form.cardImage0(7), 46));
}

TEST(CardPicturesTest, ACodeThatIsNoCardLeavesTheImageAndTheWindowAlone) {
    HandTable t;
    ShowCard(t.ctx, 1, 2, 17);
    ShowSmallCard(t.ctx, 0, 2, 17);
    for (const int code : {0, 2, 32, 34, 48, 50, 64, 200}) {
        ShowCard(t.ctx, 1, 2, code);
        ShowSmallCard(t.ctx, 0, 2, code);
        EXPECT_TRUE(shows(t.form.cardImage1(2), 354)) << code;
        EXPECT_TRUE(shows(t.form.cardImage0(2), 17)) << code;
    }
    EXPECT_NE(t.form.windowState(), forms::window_state::kMinimized);
    EXPECT_TRUE(t.platform.lobby.events().empty());
    EXPECT_FALSE(t.platform.process.ended());
}

TEST(CardPicturesTest, ASeatOutsideTheTableShowsNothing) {
    HandTable t;
    const QImage before = t.form.cardImage1(0).picture();
    ShowCard(t.ctx, 4, 0, 17);
    ShowCard(t.ctx, -1, 0, 17);
    EXPECT_EQ(t.form.cardImage1(0).picture(), before);
}

} // namespace
} // namespace qv::hand
