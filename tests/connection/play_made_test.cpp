#include "connection/partner_call.h"
#include "connection/play_made.h"

#include <gtest/gtest.h>

namespace qv::connection {
namespace {

GameMessage playOf(std::initializer_list<std::pair<int, int>> cards, int type = 1) {
    GameMessage m;
    m.setCommand(6);
    m.setU8(6, 0x12);
    m.setU8(7, 9);
    m.setU8(11, 0x24);
    m.setU8(15, 1);
    m.setU8(16, 1);
    m.setU8(17, static_cast<std::uint8_t>(cards.size()));
    m.setU8(18, static_cast<std::uint8_t>(type));
    int i = 0;
    for (const auto& [face, suit] : cards) {
        m.setU8(20 + 4 * i, static_cast<std::uint8_t>(suit));
        m.setU8(21 + 4 * i, static_cast<std::uint8_t>(face));
        m.setU8(23 + 4 * i, static_cast<std::uint8_t>(50 + i));
        ++i;
    }
    m.setU8(255, 2);
    return m;
}

TEST(PlayMadeTest, ReadsEveryFieldTheHandlerUses) {
    const PlayMade play = DecodePlayMade(playOf({{9, 8}, {9, 0x14}}, 2));
    EXPECT_EQ(play.mover, 2);
    EXPECT_EQ(play.turnToken, 9);
    EXPECT_EQ(play.next, 0x24);
    EXPECT_EQ(play.nextSeatBits(), 4);
    EXPECT_EQ(play.trickState, 1);
    EXPECT_TRUE(play.jieFeng);
    EXPECT_EQ(play.count, 2);
    EXPECT_EQ(play.type, 2);
    // The suit byte is kept whole: the echo test compares it with the code's low byte.
    EXPECT_EQ(play.card(0), (PlayedCard{8, 9}));
    EXPECT_EQ(play.card(1), (PlayedCard{0x14, 9}));
    EXPECT_EQ(play.turnSeconds, 2);
    EXPECT_FALSE(play.pass());
}

TEST(PlayMadeTest, TrickStatesAsTheHandlerTellsThemApart) {
    struct Case {
        std::uint8_t state;
        bool over;
        bool free;
    };
    for (const Case c : {Case{0, false, false}, Case{1, true, true}, Case{2, false, false},
                         Case{9, false, true}, Case{10, true, true}, Case{11, false, false}}) {
        GameMessage m = playOf({});
        m.setU8(15, c.state);
        const PlayMade play = DecodePlayMade(m);
        EXPECT_TRUE(play.pass());
        EXPECT_EQ(play.trickOver(), c.over) << int(c.state);
        EXPECT_EQ(play.freeLead(), c.free) << int(c.state);
    }
}

// A count above a whole hand is kept as sent; only the first 27 cards are read.
TEST(PlayMadeTest, CountsAboveAWholeHandReadTheFirst27Cards) {
    for (const int count : {27, 28, 100, 255}) {
        GameMessage m = playOf({{5, 1}});
        m.setU8(17, static_cast<std::uint8_t>(count));
        const PlayMade play = DecodePlayMade(m);
        EXPECT_EQ(play.count, count);
        EXPECT_EQ(play.card(0).face, 5) << count;
        EXPECT_EQ(play.card(26).face, 0) << count;
    }
}

TEST(PlayMadeTest, ABombIsKnownByItsFirstNaturalFace) {
    struct Case {
        const char* what;
        std::initializer_list<std::pair<int, int>> cards;
        int face;
    };
    const Case cases[] = {
        {"jokers lead", {{17, 1}, {16, 1}, {9, 1}, {9, 2}, {9, 4}}, 9},
        {"a joker last", {{9, 1}, {9, 2}, {9, 4}, {9, 8}, {16, 1}}, 9},
        {"twos", {{15, 1}, {15, 2}, {15, 4}, {15, 8}, {15, 1}}, 15},
        {"jokers only", {{17, 1}, {17, 1}, {16, 1}, {16, 1}}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodePlayMade(playOf(c.cards, 20)).bombFace, c.face) << c.what;
    }
}

TEST(PlayMadeTest, TheMoverIsItsLowFourBits) {
    GameMessage m = playOf({});
    m.setU8(6, 0xF8);
    EXPECT_EQ(DecodePlayMade(m).mover, 8);
}

TEST(PartnerCallTest, TheCalledCardWithoutADeckIndex) {
    struct Case {
        std::uint8_t face;
        std::uint8_t suit;
        std::int32_t code;
    };
    for (const Case c : {Case{9, 8, 2312}, Case{3, 1, 769}}) {
        GameMessage m;
        m.setCommand(2);
        m.setU8(8, 4);
        m.setU8(12, c.face);
        m.setU8(13, c.suit);
        const PartnerCall call = DecodePartnerCall(m);
        EXPECT_EQ(call.caller, 4);
        EXPECT_EQ(call.calledCard(), c.code);
    }
}

} // namespace
} // namespace qv::connection
