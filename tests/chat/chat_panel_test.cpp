#include "chat/emoticon_picker.h"
#include "chat_fixture.h"
#include "forms/form_host.h"
#include "table/chat_windows.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

using testing_support::ChatTable;

struct PickerTable : ChatTable {
    PickerTable() { client.conn.Detail[0].coins = 1001; }
    frmBiaoqing& picker = client.forms.get<frmBiaoqing>();
};

TEST(EmoticonPicker, ThousandCoinsAreRefusedAndOneMoreSends) {
    PickerTable t;
    t.client.conn.Detail[0].coins = 1000;
    t.picker.ucAni_DBQ(0).raiseClick();
    EXPECT_TRUE(t.sent().empty());
    EXPECT_EQ(t.form.Sysmsg(0).list(0), u"您的金币低于1000，不能发送表情!"_s);
    t.client.conn.Detail[0].coins = 1001;
    t.picker.ucAni_DBQ(0).raiseClick();
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sent[0].u8(9), 3);
    EXPECT_EQ(sent[0].u8(12), 1);
    EXPECT_EQ(sent[0].u8(16), 0) << "the text is one zero character";
    EXPECT_EQ(sent[0].textField(217, 16), QByteArray("me"));
    EXPECT_TRUE(t.form.ucAni_BBQS(0).visible());
    EXPECT_FALSE(t.picker.visible());
}

TEST(EmoticonPicker, SevenSecondsBetweenEmoticons) {
    PickerTable t;
    t.picker.ucAni_DBQ(0).raiseClick();
    t.platform.time.advance(6999);
    t.picker.ucAni_DBQ(1).raiseClick();
    EXPECT_EQ(t.sent().size(), 1U);
    t.platform.time.advance(1);
    t.picker.ucAni_DBQ(1).raiseClick();
    EXPECT_EQ(t.sent().size(), 1U);
}

TEST(EmoticonPicker, PagesMapTilesToNumbersAndGreyTheirEnds) {
    PickerTable t;
    EXPECT_FALSE(t.picker.Cmd_Dpp.enabled());
    t.picker.Cmd_Dnp.raiseClick();
    EXPECT_EQ(t.picker.Lbl_Dcp.caption(), u"2"_s);
    t.picker.ucAni_DBQ(7).raiseClick();
    t.picker.Cmd_Dnp.raiseClick();
    EXPECT_EQ(t.picker.Lbl_Dcp.caption(), u"3"_s);
    EXPECT_FALSE(t.picker.Cmd_Dnp.enabled());
    EXPECT_TRUE(t.picker.Cmd_Dpp.enabled());
    EXPECT_EQ(t.picker.ucAni_DBQ(2).frameCount(), 0) << "page 3 has two emoticons";
    EXPECT_GT(t.picker.ucAni_DBQ(1).frameCount(), 0);
    t.platform.time.advance(7000);
    t.picker.ucAni_DBQ(1).raiseClick();
    t.platform.time.advance(7000);
    t.picker.ucAni_DBQ(2).raiseClick();
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 2U);
    EXPECT_EQ(sent[0].u8(12), 16);
    EXPECT_EQ(sent[1].u8(12), 18);
    t.picker.Cmd_Dpp.raiseClick();
    EXPECT_EQ(t.picker.Lbl_Dcp.caption(), u"2"_s);
    EXPECT_TRUE(t.picker.Cmd_Dnp.enabled());
}

TEST(EmoticonPicker, EmptyTileStartsTheWaitAndSendsNothing) {
    PickerTable t;
    t.picker.Cmd_Dnp.raiseClick();
    t.picker.Cmd_Dnp.raiseClick();
    t.picker.ucAni_DBQ(5).raiseClick();
    t.picker.Cmd_Dpp.raiseClick();
    t.picker.ucAni_DBQ(0).raiseClick();
    EXPECT_TRUE(t.sent().empty());
}

TEST(EmoticonPicker, PrivatePrefixLeavesTheBoxWithTheTypedText) {
    PickerTable t;
    t.form.Tou(1).raiseClick();
    t.type(u"悄悄话"_s);
    t.picker.ucAni_DBQ(0).raiseClick();
    EXPECT_EQ(t.sent()[0].u8(11), 0);
    EXPECT_EQ(t.form.Chat.text(), u"悄悄话"_s);
    t.platform.time.advance(800);
    t.press(13);
    EXPECT_EQ(testing_support::sentText(t.sent()[0]), u"我自己说道： 悄悄话"_s);
}

TEST(ChatPanel, ButtonsToggleTheirWindows) {
    ChatTable t;
    auto& talk = t.client.forms.get<table::Talk>();
    auto& phrases = t.client.forms.get<table::huifu>();
    t.form.Lbchat.raiseClick();
    EXPECT_TRUE(talk.visible());
    t.form.imgword2.raiseClick();
    EXPECT_FALSE(talk.visible());
    EXPECT_TRUE(phrases.visible());
    EXPECT_TRUE(phrases.List2.visible());
    phrases.Picture2.raiseClick();
    t.form.imgword2.raiseClick();
    EXPECT_TRUE(phrases.visible()) << "switched to the voiced list";
    EXPECT_TRUE(phrases.List2.visible());
    t.form.imgword2.raiseClick();
    EXPECT_FALSE(phrases.visible());
    t.form.imgword1.raiseClick();
    auto& picker = t.client.forms.get<frmBiaoqing>();
    EXPECT_TRUE(picker.visible());
    t.form.Lbchat.raiseClick();
    EXPECT_TRUE(picker.visible()) << "the log leaves the picker open";
    // The picker's corner over a full table surface at the window's origin.
    EXPECT_NEAR(picker.left() / 15, 1024 * 0.275, 0.5);
    EXPECT_NEAR(picker.top() / 15, 768 * 0.575, 0.5);
}

TEST(TalkWindow, AltThenCHidesIt) {
    ChatTable t;
    auto& talk = t.client.forms.get<table::Talk>();
    talk.show();
    int alt = 18;
    int c = 67;
    talk.Text1.raiseKeyDown(alt, 0);
    EXPECT_TRUE(talk.visible());
    talk.Text1.raiseKeyDown(c, 0);
    EXPECT_FALSE(talk.visible());
}

} // namespace
} // namespace qv::chat

namespace qv::chat {
namespace {

struct TalkPlace {
    QSize screen;
    double left;
    double top;
};

class TalkPlacement : public testing::TestWithParam<TalkPlace> {};

TEST_P(TalkPlacement, OpensOverTheChatPanelAtEachScale) {
    testing_support::ChatTable t(GetParam().screen);
    t.form.Lbchat.raiseClick();
    const auto& talk = t.client.forms.get<table::Talk>();
    EXPECT_TRUE(talk.visible());
    EXPECT_NEAR(talk.left(), t.form.left() + t.form.Pic1.left() + GetParam().left, 1);
    EXPECT_NEAR(talk.top(), t.form.top() + t.form.Pic1.top() + GetParam().top, 1);
    EXPECT_NEAR(talk.width(), 4755, 0.01);
    EXPECT_NEAR(talk.height(), 2550, 0.01);
}

// Shares of the table surface at full size (15360 x 11520 twips); of the whole window on the
// small table, whose size the screen fit gives.
INSTANTIATE_TEST_SUITE_P(Scales, TalkPlacement,
                         testing::Values(TalkPlace{{1024, 768}, 0.305 * 15360, 0.63 * 11520},
                                         TalkPlace{{800, 600}, 0.22 * 12000, 0.595 * 9000}));

} // namespace
} // namespace qv::chat
