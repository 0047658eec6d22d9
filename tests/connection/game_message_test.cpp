#include "connection/game_message.h"

#include <gtest/gtest.h>

namespace qv::connection {
namespace {

TEST(GameMessageTest, IntegersRoundTripInTheirByteOrder) {
    GameMessage m;
    m.setU16le(10, 0xBEEF);
    m.setU32le(20, 0x12345678U);
    m.setU32be(236, 0x01020304U);
    EXPECT_EQ(m.u8(10), 0xEF);
    EXPECT_EQ(m.u8(11), 0xBE);
    EXPECT_EQ(m.u16le(10), 0xBEEF);
    EXPECT_EQ(m.u8(20), 0x78);
    EXPECT_EQ(m.u32le(20), 0x12345678U);
    EXPECT_EQ(m.u8(236), 0x01);
    EXPECT_EQ(m.u8(239), 0x04);
    EXPECT_EQ(m.u32be(236), 0x01020304U);
    EXPECT_EQ(GameMessage::fromBytes(m.toByteArray()), m);
}

TEST(GameMessageTest, EveryFieldOutsideTheMessageIsRefused) {
    GameMessage m;
    EXPECT_THROW((void)m.u8(272), MessageError);
    EXPECT_THROW((void)m.u8(-1), MessageError);
    EXPECT_THROW((void)m.u16le(271), MessageError);
    EXPECT_THROW((void)m.u32le(269), MessageError);
    EXPECT_THROW(m.setU32be(270, 1), MessageError);
    EXPECT_THROW((void)m.textField(200, 73), MessageError);
    EXPECT_THROW(m.writeBytes(270, QByteArray(3, 'x')), MessageError);
    EXPECT_THROW((void)GameMessage::fromBytes(QByteArray(271, 0)), MessageError);
    EXPECT_NO_THROW((void)m.u32le(268));
    EXPECT_NO_THROW(m.zeroFrom(272));
}

TEST(GameMessageTest, SignedAmountsTakeTheSignByteAndRefuseOverflow) {
    GameMessage m;
    m.setU32le(100, 1000);
    m.setU8(108, 1);
    EXPECT_EQ(m.signedAmount(100, 108), 1000);
    m.setU8(108, 2);
    EXPECT_EQ(m.signedAmount(100, 108), -1000);
    m.setU8(108, 0);
    EXPECT_THROW((void)m.signedAmount(100, 108), MessageError);
    m.setU8(108, 1);
    m.setU8(107, 0x80);
    EXPECT_THROW((void)m.signedAmount(100, 108), MessageError);
}

TEST(GameMessageTest, TextFieldsEndAtZeroOrAtTheFieldsEnd) {
    GameMessage m;
    m.writeBytes(16, "abc");
    EXPECT_EQ(m.textField(16, 100), "abc");
    m.writeBytes(16, QByteArray(100, 'x'));
    EXPECT_EQ(m.textField(16, 100), QByteArray(100, 'x'));
    EXPECT_EQ(m.textField(16, 0), QByteArray());
}

} // namespace
} // namespace qv::connection
