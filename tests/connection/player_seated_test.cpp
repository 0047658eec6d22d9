#include "connection/player_seated.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

TEST(PlayerSeatedTest, TheMessageIsReadWithItsSeatsAndFlags) {
    GameMessage m;
    m.setU8(6, 0x34);
    m.setU8(226, 0x18);
    m.setU8(208, 1);
    m.setU32le(234, 0xFFFFFFFE);
    m.setU8(255, 0);
    m.writeBytes(168, "carol");
    const PlayerSeated seated = DecodePlayerSeated(m);
    EXPECT_EQ(seated.ownSeat, 4);
    EXPECT_EQ(seated.seat, 8);
    EXPECT_TRUE(seated.ready);
    EXPECT_EQ(seated.wealthMultiple, -2);
    EXPECT_TRUE(seated.pluginAllowed);
    EXPECT_EQ(seated.detail.account, u"carol"_s);

    m.setU8(208, 2);
    m.setU8(255, 1);
    m.setU8(6, 3);
    const PlayerSeated other = DecodePlayerSeated(m);
    EXPECT_FALSE(other.ready);
    EXPECT_FALSE(other.pluginAllowed);
    EXPECT_EQ(other.ownSeat, 0);
}

TEST(PlayerSeatedTest, ASeatThatIsNoSeatMaskFailsTheMessage) {
    for (const std::uint8_t seat : {0x00, 0x03, 0x10, 0x0F}) {
        GameMessage m;
        m.setU8(226, seat);
        EXPECT_THROW((void)DecodePlayerSeated(m), MessageError) << int(seat);
    }
}

TEST(PlayerSeatedTest, DisplaySeatsCountFromTheOwnSeat) {
    EXPECT_EQ(DisplaySeat(4, 4), 0);
    EXPECT_EQ(DisplaySeat(8, 4), 1);
    EXPECT_EQ(DisplaySeat(1, 4), 2);
    EXPECT_EQ(DisplaySeat(2, 4), 3);
    EXPECT_EQ(DisplaySeat(2, 1), 1);
}

TEST(PlayerSeatedTest, ReadyTiersChangeAtTwentyAndSixtyThousand) {
    EXPECT_EQ(ReadyTier(0), 0);
    EXPECT_EQ(ReadyTier(19999), 0);
    EXPECT_EQ(ReadyTier(20000), 1);
    EXPECT_EQ(ReadyTier(59999), 1);
    EXPECT_EQ(ReadyTier(60000), 2);
}

TEST(PlayerSeatedTest, HeadPicturesFollowTheFaceCode) {
    struct Case {
        QString face;
        int tier;
        int index;
    };
    const std::vector<Case> cases = {
        {u"m1"_s, 2, 0},   {u"w1"_s, 2, 10}, {u"m10"_s, 2, 9}, {u"w10"_s, 2, 19}, {u"m11"_s, 2, 0},
        {u"w11"_s, 2, 10}, {u"W3"_s, 2, 2},  {u"m"_s, 1, 1},   {u"m"_s, 2, 2},    {u"m0"_s, 1, 1},
        {u"w0"_s, 1, 11},  {u"mx"_s, 2, 2},  {u"m1x"_s, 0, 0}, {u"m123"_s, 1, 1}, {u"w"_s, 0, 10},
    };
    for (const auto& c : cases) {
        const int index = HeadPictureIndex(c.face, c.tier);
        EXPECT_EQ(index, c.index) << c.face.toStdString();
        EXPECT_GE(index, 0);
        EXPECT_LT(index, 20);
    }
}

} // namespace
} // namespace qv::connection
