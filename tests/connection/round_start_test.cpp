#include "connection/round_start.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

TEST(RoundStartTest, AFullHandCarriesItsCardsInMessageOrder) {
    GameMessage m;
    m.setU8(8, 27);
    m.setU8(12, 20);
    m.setU8(15, 0x14);
    for (int i = 0; i < 27; ++i) {
        m.setU32le(16 + 4 * i, rules::makeCard(3 + i % 13, 1 << (i % 4), 100 + i));
    }
    m.setU32le(268, 0x89ABCDEF);
    const RoundStart start = DecodeRoundStart(m);
    EXPECT_TRUE(start.fullHand());
    EXPECT_EQ(start.turnTime, 20);
    EXPECT_EQ(start.banker, 4);
    ASSERT_EQ(start.cards.size(), 27U);
    for (int i = 0; i < 27; ++i) {
        const auto card = start.cards[static_cast<std::size_t>(i)];
        EXPECT_EQ(rules::cardFace(card), 3 + i % 13);
        EXPECT_EQ(rules::cardSuit(card), 1 << (i % 4));
        EXPECT_EQ(rules::cardDeckIndex(card), 100 + i);
    }
    // The thread index keeps its bit pattern, top bit included.
    EXPECT_EQ(start.threadIndex, 0x89ABCDEFU);
}

TEST(RoundStartTest, AnythingButAFullHandCarriesNoCards) {
    for (const std::uint8_t count : {0, 1, 26, 28, 255}) {
        GameMessage m;
        m.setU8(8, count);
        m.setU8(15, 1);
        m.setU32le(16, rules::makeCard(5, 1));
        const RoundStart start = DecodeRoundStart(m);
        EXPECT_FALSE(start.fullHand());
        EXPECT_TRUE(start.cards.empty());
        EXPECT_EQ(start.cardCount, count);
    }
}

// A banker byte that is not one seat mask still starts the hand: its low four bits are kept,
// and the seat is read from them as from any seat mask.
TEST(RoundStartTest, ABankerThatIsNoSeatMaskIsReadAsTheGameReadsIt) {
    const std::pair<std::uint8_t, std::uint8_t> cases[] = {
        {0x00, 0x00}, {0x10, 0x00}, {0x03, 0x03}, {0x0C, 0x0C}, {0xF8, 0x08}};
    for (const auto& [byte, banker] : cases) {
        GameMessage m;
        m.setU8(8, 27);
        m.setU8(15, byte);
        const RoundStart start = DecodeRoundStart(m);
        EXPECT_EQ(start.banker, banker) << int(byte);
        EXPECT_EQ(start.cards.size(), 27U) << int(byte);
    }
}

TEST(RoundStartTest, TheRoundNoteEndsAtItsFirstZeroByte) {
    struct Case {
        const char* what;
        QByteArray bytes;
        QString note;
    };
    const std::vector<Case> cases = {
        {"ascii and a pair", QByteArray("ab\xB5\xDA", 4), u"ab第"_s},
        {"leading space", QByteArray(" ab"), u"ab"_s},
        {"text after a zero", QByteArray("ab\0cd", 5), u"ab"_s},
        {"empty", QByteArray(), QString()},
        {"lead byte last takes byte 256", QByteArray(20, 'x') + "\xB5",
         QString(20, u'x') + u"第"_s},
    };
    for (const auto& c : cases) {
        GameMessage m;
        m.setU8(15, 1);
        m.writeBytes(235, c.bytes);
        m.setU8(256, 0xDA);
        EXPECT_EQ(DecodeRoundStart(m).roundNote, c.note) << c.what;
    }
}

} // namespace
} // namespace qv::connection
