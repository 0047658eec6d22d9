#include "client_fixture.h"
#include "connection/commands.h"

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

class SendingTest : public ClientTest {
protected:
    SendingTest() {
        client.conn.CurSeqNum = {0x12, 0x34};
        client.conn.TurnToken = 0x5A;
        client.hand.custom[0].name = u"alice"_s;
    }

    /// The message the send ring holds last.
    GameMessage lastQueued() {
        GameMessage last;
        while (client.conn.SendRing.hasMessage()) {
            last = client.conn.SendRing.takeMessage();
        }
        return last;
    }

    /// A chat message of `kind` whose every byte is 0xEE before packing.
    static GameMessage dirtyChat(std::uint8_t kind) {
        GameMessage m;
        m.bytes().fill(0xEE);
        m.setU32be(236, 0);
        m.setCommand(MsgChat);
        m.setU8(9, kind);
        return m;
    }
};

TEST_F(SendingTest, ChatTextIsCutAtOneHundredCharactersAndZeroFilled) {
    client.chat.ChatSendText = QString(101, u'a');
    GameMessage m = dirtyChat(0);
    QueueFrame(client.conn, m);
    const GameMessage q = lastQueued();
    EXPECT_EQ(q.textField(16, 120), QByteArray(100, 'a'));
    for (int i = 116; i < 272; ++i) {
        if (i != 260 && i != 261) {
            ASSERT_EQ(q.u8(i), 0) << i;
        }
    }
    EXPECT_EQ(q.u8(15), 0xEE);
    EXPECT_TRUE(client.chat.ChatSendText.isEmpty());
}

TEST_F(SendingTest, ChineseTextIsPackedAsGbkPairs) {
    client.chat.ChatSendText = QString(60, u'中');
    GameMessage m = dirtyChat(0);
    QueueFrame(client.conn, m);
    const GameMessage q = lastQueued();
    for (int i = 16; i < 136; i += 2) {
        ASSERT_EQ(q.u8(i), 0xD6) << i;
        ASSERT_EQ(q.u8(i + 1), 0xD0) << i;
    }
    EXPECT_EQ(q.u8(136), 0);
    EXPECT_EQ(q.u8(216), 0);
}

TEST_F(SendingTest, PhrasesCarryTheAccountFromByte217) {
    client.chat.ChatSendText = u"hi"_s;
    GameMessage m = dirtyChat(1);
    QueueFrame(client.conn, m);
    const GameMessage q = lastQueued();
    EXPECT_EQ(q.textField(16, 2), "hi");
    EXPECT_EQ(q.u8(18), 0xEE);
    EXPECT_EQ(q.textField(217, 19), "alice");
    for (int i = 222; i < 260; ++i) {
        ASSERT_EQ(q.u8(i), 0) << i;
    }
}

TEST_F(SendingTest, TheAccountStopsBeforeTheSubCode) {
    client.hand.custom[0].name = QString(30, u'x');
    client.chat.ChatSendText = u"hi"_s;
    GameMessage m = dirtyChat(3);
    QueueFrame(client.conn, m);
    const GameMessage q = lastQueued();
    EXPECT_EQ(q.textField(217, 19), QByteArray(19, 'x'));
    EXPECT_EQ(q.u32be(236), 0U);
}

TEST_F(SendingTest, PluginSubCodesLeaveTheChatAsBuilt) {
    for (const std::uint32_t subCode : {260U, 272U}) {
        client.chat.ChatSendText = u"kept"_s;
        GameMessage m = dirtyChat(0);
        m.setU32be(236, subCode);
        GameMessage expected = m;
        expected.setU8(260, 0x12);
        expected.setU8(261, 0x34);
        QueueFrame(client.conn, m);
        EXPECT_EQ(lastQueued(), expected);
        EXPECT_EQ(client.chat.ChatSendText, u"kept"_s);
    }
}

TEST_F(SendingTest, AChatWithoutTextIsNotQueued) {
    GameMessage m = dirtyChat(0);
    const GameMessage before = m;
    QueueFrame(client.conn, m);
    EXPECT_TRUE(client.conn.SendRing.empty());
    EXPECT_EQ(m, before);
    EXPECT_FALSE(client.conn.slots.BongFlag[kSendSlot]);
}

TEST_F(SendingTest, TurnTokenOnlyInCallsAndPlaysSequenceBytesInAll) {
    const struct {
        std::uint8_t command;
        bool match;
        std::uint8_t byte7;
    } cases[] = {{MsgCallCard, false, 0x5A},  {MsgPlayCards, false, 0x5A},
                 {MsgKeepAlive, false, 0x01}, {MsgTableState, false, 0x01},
                 {MsgMarquee, true, 0x01},    {MsgPlayCards, true, 0x01}};
    for (const auto& c : cases) {
        GameMessage m = message(c.command, {{7, 0x01}});
        c.match ? QueueMatchFrame(client.conn, m) : QueueFrame(client.conn, m);
        const GameMessage q = lastQueued();
        EXPECT_EQ(q.u8(7), c.byte7) << int(c.command);
        EXPECT_EQ(q.u8(260), 0x12);
        EXPECT_EQ(q.u8(261), 0x34);
        EXPECT_TRUE(client.conn.slots.BongFlag[kSendSlot]);
    }
}

TEST_F(SendingTest, AFullSendRingRefusesTheNewMessageAndKeepsItsOwn) {
    int queued = 0;
    for (; queued < 600 && client.conn.SendRing.waiting() + kMessageSize < MessageRing::kSize;
         ++queued) {
        GameMessage m = message(MsgKeepAlive, {{6, static_cast<std::uint8_t>(queued)}});
        QueueFrame(client.conn, m);
    }
    EXPECT_EQ(queued, 511);
    GameMessage extra = message(MsgKeepAlive, {{6, 0xFF}});
    QueueFrame(client.conn, extra);
    EXPECT_EQ(client.conn.SendRing.waiting(), 511 * kMessageSize);
    for (int i = 0; i < 511; ++i) {
        ASSERT_EQ(client.conn.SendRing.takeMessage().u8(6), static_cast<std::uint8_t>(i));
    }
}

TEST_F(SendingTest, KeepAliveCarriesTheOwnSeat) {
    client.hand.custom[0].seat = 4;
    TimerKeepAlive_Timer(client.conn);
    const GameMessage q = lastQueued();
    EXPECT_EQ(q.command(), MsgKeepAlive);
    EXPECT_EQ(q.u8(6), 4);
    EXPECT_EQ(q.u8(260), 0x12);
}

} // namespace
} // namespace qv::connection
