#include "chat/quick_phrases.h"
#include "chat_fixture.h"
#include "common/gbk.h"
#include "forms/form_host.h"
#include "table/chat_windows.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

using testing_support::ChatTable;
using testing_support::sentText;

void writeIni(const ChatTable& t, const QString& text) {
    QFile ini(t.platform.appFolder.path() + u"/chat.ini"_s);
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(toAnsi(text));
}

TEST(PhraseCount, TakesTheLeadingNumberRoundedHalfToEven) {
    EXPECT_EQ(PhraseCount(u"3"_s), 3);
    EXPECT_EQ(PhraseCount(u" 2.5abc"_s), 2);
    EXPECT_EQ(PhraseCount(u"3.5"_s), 4);
    EXPECT_EQ(PhraseCount(u"abc"_s), 0);
    EXPECT_EQ(PhraseCount(QString()), 0);
    EXPECT_EQ(PhraseCount(u"40000"_s), 0);
}

TEST(QuickPhrases, ListsKeepGapsAndGbkTextAndStopAt255) {
    ChatTable t;
    QString ini = u"[Phrase1]\r\nnum=3\r\n1=你好\r\n3=再见\r\n[Phrase2]\r\nnum=300\r\n"_s;
    for (int i = 1; i <= 300; ++i) {
        ini += QString::number(i) + u"=p"_s + QString::number(i) + u"\r\n"_s;
    }
    writeIni(t, ini);
    auto& phrases = t.client.forms.get<table::huifu>();
    EXPECT_EQ(phrases.List1.items(), (QStringList{u"你好"_s, QString(), u"再见"_s}));
    EXPECT_EQ(phrases.List2.listCount(), 255);
    EXPECT_EQ(phrases.List2.list(254), u"p255"_s);
}

TEST(QuickPhrases, NoFileLeavesBothListsEmptyAndDoubleClicksSendNothing) {
    ChatTable t;
    auto& phrases = t.client.forms.get<table::huifu>();
    phrases.show();
    phrases.List1.raiseDblClick();
    EXPECT_TRUE(t.sent().empty());
    EXPECT_TRUE(phrases.visible());
}

/// The phrase file is there before the window first loads.
struct PhraseFile : ChatTable {
    PhraseFile() {
        writeIni(*this,
                 u"[Phrase1]\r\nnum=3\r\n1=你好\r\n3=再见\r\n[Phrase2]\r\nnum=1\r\n1=快点吧\r\n"_s);
    }
};

struct PhraseTable : PhraseFile {
    PhraseTable() { phrases.show(); }
    table::huifu& phrases = client.forms.get<table::huifu>();
};

TEST(QuickPhrases, PlainPhraseGoesPublicDroppingTheTypedText) {
    PhraseTable t;
    t.form.Chat.setText(u"打了一半"_s);
    t.phrases.List1.setListIndex(0);
    t.phrases.List1.raiseDblClick();
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].u8(9), 1);
    EXPECT_EQ(sent[0].u8(15), 1);
    EXPECT_EQ(sent[0].u8(13), 0);
    EXPECT_EQ(sentText(sent[0]), u"我自己说道： 你好"_s);
    EXPECT_EQ(sent[0].textField(217, 16), QByteArray("me"));
    EXPECT_EQ(t.form.Chat.text(), QString());
    EXPECT_FALSE(t.phrases.visible());
}

TEST(QuickPhrases, EmptyItemSendsTheNicknameAlone) {
    PhraseTable t;
    t.phrases.List1.setListIndex(1);
    t.phrases.List1.raiseDblClick();
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].u8(15), 2);
    EXPECT_EQ(sentText(sent[0]), u"我自己说道： "_s);
}

TEST(QuickPhrases, NoSelectionIsIgnored) {
    PhraseTable t;
    t.phrases.List1.raiseDblClick();
    EXPECT_TRUE(t.sent().empty());
    EXPECT_TRUE(t.phrases.visible());
}

TEST(QuickPhrases, PrivatePhraseGoesBareAndEndsPrivateChat) {
    PhraseTable t;
    t.form.Tou(3).raiseClick();
    t.phrases.List1.setListIndex(2);
    t.phrases.List1.raiseDblClick();
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sentText(sent[0]), u"再见"_s);
    EXPECT_EQ(sent[0].u8(11), 1);
    EXPECT_TRUE(t.client.chat.ChatTargetPrefix.isEmpty());
}

TEST(QuickPhrases, VoicedPhrasePlaysTheOwnVoice) {
    PhraseTable t;
    t.client.sound.VoicePath2 = u"/voices/"_s;
    t.client.conn.Detail[0].voiceSet = u"c"_s;
    t.client.conn.Detail[0].voiceId = u"7"_s;
    t.platform.sound.waveFiles.insert(u"/voices/vc702a1.wav"_s);
    t.client.sound.InitSound();
    t.phrases.List2.setListIndex(0);
    t.phrases.List2.raiseDblClick();
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].u8(9), 2);
    EXPECT_EQ(sent[0].u8(13), 97);
    EXPECT_EQ(t.platform.sound.bufferPath(), u"/voices/vc702a1.wav"_s);
}

TEST(QuickPhrases, TabsSwapTheListsAndKeepTheirHighlight) {
    PhraseTable t;
    t.phrases.Picture2.raiseClick();
    EXPECT_TRUE(t.phrases.List1.visible());
    EXPECT_FALSE(t.phrases.List2.visible());
    t.phrases.Picture1.raiseClick();
    EXPECT_TRUE(t.phrases.List2.visible());
    EXPECT_FALSE(t.phrases.List1.visible());
}

} // namespace
} // namespace qv::chat
