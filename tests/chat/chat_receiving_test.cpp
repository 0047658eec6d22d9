#include "chat/chat_message.h"
#include "chat_fixture.h"
#include "common/gbk.h"
#include "connection/connection.h"
#include "forms/form_host.h"
#include "table/chat_windows.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

using testing_support::chatFromServer;
using testing_support::ChatTable;

struct ReceiveCase {
    const char* name;
    connection::GameMessage message;
    QString line;
    bool blinks;
};

const std::vector<ReceiveCase> kReceiveCases = {
    {"OwnPublic", chatFromServer({{6, 2}}, u"我自己说道： 我自己好"_s), u"你说道： 你好"_s, false},
    {"PrivateFromSeat2", chatFromServer({{6, 8}, {11, 2}}, u"嗨"_s), u"南家对你说道： 嗨"_s, true},
    {"PrivateBetweenOthers", chatFromServer({{6, 4}, {11, 1}}, u"嗨"_s), u"东家对西家说道： 嗨"_s,
     true},
    {"OwnPrivateToHimself", chatFromServer({{6, 2}, {11, 2}}, u"嗨"_s), u"你对你说道： 嗨"_s,
     false},
    {"SeatLessUnfiltered", chatFromServer({{6, 0}}, u"他妈的通知"_s), u"他妈的通知"_s, false},
    {"FilterRejoinsOnce", chatFromServer({{6, 4}}, u"东家说道： 他他妈的妈的"_s),
     u"东家说道： 他妈的"_s, true},
    {"MarkupStaysLiteral", chatFromServer({{6, 1}}, u"<b>x</b>&amp;<img src=a>"_s),
     u"<b>x</b>&amp;<img src=a>"_s, true},
    {"ZeroByteEndsEarly", chatFromServer({{6, 4}, {18, 0}, {19, 'c'}}, u"ab"_s), u"ab"_s, true},
    {"AccountFindsTheSeat", chatFromServer({{6, 0}}, u"x"_s, "south"), u"x"_s, true},
    {"OtherKindIsText", chatFromServer({{6, 4}, {9, 9}}, u"y"_s), u"y"_s, true},
};

class Receiving : public testing::TestWithParam<ReceiveCase> {};

TEST_P(Receiving, ShowsTheLineInTheLogAndTheTicker) {
    ChatTable t;
    t.client.chatReceiver.OnChatMessage(GetParam().message);
    const auto& log = t.client.forms.get<table::Talk>().Text1;
    ASSERT_EQ(log.listCount(), 1);
    EXPECT_EQ(log.list(0), GetParam().line);
    EXPECT_EQ(t.form.Sysmsg(0).list(0), GetParam().line);
    EXPECT_EQ(t.client.chat.TalkBlinkCount, GetParam().blinks ? 8 : 0);
    EXPECT_EQ(t.client.conn.slots.BongFlag[connection::kBlinkSlot], GetParam().blinks);
}

INSTANTIATE_TEST_SUITE_P(Bytes, Receiving, testing::ValuesIn(kReceiveCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ChatDecoding, ReadsTheWholeTextField) {
    const auto single = DecodeChatMessage(chatFromServer({}, QString(200, u'a')));
    EXPECT_EQ(single->text, QString(200, u'a'));
    const auto twoByte = DecodeChatMessage(chatFromServer({}, QString(100, u'中')));
    EXPECT_EQ(twoByte->text, QString(100, u'中'));
    const auto account = DecodeChatMessage(chatFromServer({}, {}, QByteArray(19, 'k')));
    EXPECT_EQ(account->account, QString(16, u'k'));
}

TEST(ChatReceiving, LongLineWrapsInTheLogAndIsCutInTheTicker) {
    ChatTable t;
    t.client.chatReceiver.OnChatMessage(chatFromServer({{6, 4}}, QString(200, u'a')));
    EXPECT_EQ(t.client.forms.get<table::Talk>().Text1.listCount(), 5);
    EXPECT_EQ(t.form.Sysmsg(0).list(0), QString(45, u'a'));
}

// A long stay at the table: the log keeps its newest lines, the oldest going first, and a
// message wrapped over the bound keeps its last lines.
TEST(ChatReceiving, TheLogKeepsItsNewestThreeHundredLines) {
    ChatTable t;
    const forms::ListBox& log = t.client.forms.get<table::Talk>().Text1;
    for (int n = 0; n < 1000; ++n) {
        t.client.chatReceiver.OnChatMessage(chatFromServer({{6, 4}}, QString::number(n)));
    }
    ASSERT_EQ(log.listCount(), 300);
    EXPECT_EQ(log.list(0), u"700"_s);
    EXPECT_EQ(log.list(299), u"999"_s);
    EXPECT_EQ(log.topIndex(), 299);
    t.client.chatReceiver.OnChatMessage(chatFromServer({{6, 4}}, QString(200, u'b')));
    EXPECT_EQ(log.listCount(), 300);
    EXPECT_EQ(log.list(294), u"999"_s);
    EXPECT_TRUE(log.list(295).startsWith(u"bbbb"_s));
}

/// The quick-phrase world: a phrase file and the voice folder with one voice in it.
struct VoicedPhraseTable : ChatTable {
    VoicedPhraseTable() {
        QFile ini(platform.appFolder.path() + u"/chat.ini"_s);
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(toAnsi(
            u"[Phrase1]\r\nnum=1\r\n1=大家好\r\n[Phrase2]\r\nnum=2\r\n1=快点吧\r\n2=再见\r\n"_s));
        ini.close();
        client.sound.VoicePath2 = platform.appFolder.path() + u"/voices/"_s;
        client.conn.Detail[1].voiceSet = u"ab"_s;
        client.conn.Detail[1].voiceId = u"12"_s;
        client.conn.Detail[1].sex = 1;
        platform.sound.waveFiles.insert(client.sound.VoicePath2 + u"vab1213a2.wav"_s);
        client.sound.InitSound();
    }
};

TEST(ChatReceiving, VoicedPhrasePlaysTheSendersVoiceAndShowsItsBubble) {
    VoicedPhraseTable t;
    t.client.chatReceiver.OnChatMessage(
        chatFromServer({{6, 4}, {9, 2}, {13, 'a'}, {15, 2}}, u"东家说道： 再见"_s, "east"));
    EXPECT_EQ(t.platform.sound.bufferPath(), t.client.sound.VoicePath2 + u"vab1213a2.wav"_s);
    EXPECT_TRUE(t.form.frmSpeakBox(1).visible());
    EXPECT_EQ(t.form.frmSpeakBox(1).phrase(), u"再见"_s);
    EXPECT_EQ(t.client.forms.get<table::Talk>().Text1.list(0), u"东家说道： 再见"_s);
}

TEST(ChatReceiving, HostileVoiceCodesPlayNothing) {
    struct Hostile {
        QString voiceSet;
        std::uint8_t letter;
    };
    for (const Hostile& hostile :
         {Hostile{u"../x"_s, 'a'}, Hostile{u"a b"_s, 'a'}, Hostile{u"ab"_s, 0}}) {
        VoicedPhraseTable t;
        t.client.conn.Detail[1].voiceSet = hostile.voiceSet;
        t.platform.sound.waveFiles.insert(t.client.sound.VoicePath2 + u"v../x1213a2.wav"_s);
        t.client.chatReceiver.OnChatMessage(
            chatFromServer({{6, 4}, {9, 2}, {13, hostile.letter}, {15, 2}}, u"x"_s));
        EXPECT_EQ(t.platform.sound.loads(), 0) << hostile.voiceSet.toStdString();
        EXPECT_TRUE(t.form.frmSpeakBox(1).visible()) << "the bubble still shows";
    }
}

TEST(ChatReceiving, PhraseNumberZeroShowsNoBubble) {
    VoicedPhraseTable t;
    t.client.chatReceiver.OnChatMessage(chatFromServer({{6, 4}, {9, 1}, {15, 0}}, u"x"_s));
    EXPECT_FALSE(t.form.frmSpeakBox(1).visible());
    EXPECT_FALSE(t.client.chat.SpeakBoxes[1].made);
}

TEST(ChatReceiving, EmoticonPlaysOverTheSendersSeatForThreeSeconds) {
    ChatTable t;
    t.client.chatReceiver.OnChatMessage(chatFromServer({{6, 8}, {9, 3}, {12, 5}}));
    const controls::ucAniGIF& player = t.form.ucAni_BBQS(2);
    EXPECT_TRUE(player.visible());
    EXPECT_GT(player.frameCount(), 0);
    EXPECT_NEAR(player.left(), 810, 0.01);
    EXPECT_EQ(t.client.chat.TalkBlinkCount, 8);
    EXPECT_EQ(t.client.forms.get<table::Talk>().Text1.listCount(), 0) << "no chat line";
    for (int tick = 0; tick < 59; ++tick) {
        connection::TimerBong_Timer(t.client.conn);
    }
    EXPECT_TRUE(player.visible());
    connection::TimerBong_Timer(t.client.conn);
    EXPECT_FALSE(player.visible());
    EXPECT_EQ(player.frameCount(), 0);
}

TEST(ChatReceiving, OwnEmoticonTellsItsCostAndUnknownNumbersShowNothing) {
    ChatTable t;
    t.client.chatReceiver.OnChatMessage(chatFromServer({{6, 2}, {9, 3}, {12, 19}}));
    EXPECT_EQ(t.form.Sysmsg(0).list(0), u"您使用动态表情，消耗50金币!"_s);
    EXPECT_FALSE(t.form.ucAni_BBQS(0).visible());
    EXPECT_FALSE(t.client.chat.EmoticonShowing);
}

} // namespace
} // namespace qv::chat
