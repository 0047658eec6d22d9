#include "connection/commands.h"
#include "hand_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::hand {
namespace {

using testing_support::HandTable;

connection::GameMessage seatMessage(std::uint8_t seat) {
    connection::GameMessage m;
    m.setCommand(connection::MsgPlayerSeated);
    m.setU8(6, 1);
    m.setU8(226, seat);
    m.writeBytes(168, "p" + QByteArray::number(seat));
    return m;
}

// The dispatcher runs the hand's branches: decoded first, and a seating message that does not
// decode changes nothing.
TEST(HandBranchesTest, SeatingAndRoundStartArriveThroughTheDispatcher) {
    HandTable t;
    for (const std::uint8_t seat : {1, 2, 4, 8}) {
        auto m = seatMessage(seat);
        connection::DispatchFrame(t.client.conn, m);
    }
    EXPECT_EQ(t.client.hand.custom[3].name, u"p8"_s);
    EXPECT_EQ(t.client.conn.SeatedCount, 4);

    auto noSeat = seatMessage(3);
    connection::DispatchFrame(t.client.conn, noSeat);
    EXPECT_EQ(t.client.conn.SeatedCount, 4);

    connection::GameMessage start;
    start.setCommand(connection::MsgRoundStart);
    start.setU8(12, 20);
    start.setU8(15, 0x14);
    connection::DispatchFrame(t.client.conn, start);
    EXPECT_TRUE(t.client.conn.g_bInGame);
    EXPECT_EQ(t.client.hand.Zhuangjia_st, 2);
    EXPECT_FALSE(t.platform.process.ended());
}

// A thread index with its top bit set is kept as its four bytes, not an end of the program.
TEST(HandBranchesTest, AThreadIndexWithItsTopBitSetIsKept) {
    HandTable t;
    connection::GameMessage start;
    start.setCommand(connection::MsgRoundStart);
    start.setU8(15, 1);
    start.setU32le(268, 0xFEDCBA98);
    connection::DispatchFrame(t.client.conn, start);
    EXPECT_EQ(t.client.conn.threadIndex, 0xFEDCBA98U);
    EXPECT_FALSE(t.platform.process.ended());
}

} // namespace
} // namespace qv::hand
