#include "chat/chat_sending.h"
#include "chat_fixture.h"
#include "forms/form_host.h"
#include "table/chat_windows.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

using testing_support::ChatTable;
using testing_support::sentText;

constexpr int kEnter = 13;
constexpr int kBackspace = 8;

/// A step of typing into the chat box: text typed, a key, a head picture clicked, or time.
struct Step {
    enum Kind { Type, Key, Head, Wait, Caret } kind;
    QString text{};
    int value = 0;
};

struct SendCase {
    const char* name;
    std::vector<Step> steps;
    /// The texts and targets of the messages sent, in order.
    std::vector<std::pair<QString, int>> expected;
    QString box{};
};

void run(ChatTable& t, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        switch (step.kind) {
        case Step::Type:
            t.type(step.text);
            break;
        case Step::Key:
            t.press(step.value);
            if (step.value == kBackspace) {
                forms::TextBox& box = t.form.Chat;
                const int caret = box.selStart();
                if (caret > 0) {
                    box.userEdited(QString(box.text()).remove(caret - 1, 1), caret - 1);
                }
            }
            break;
        case Step::Head:
            t.form.Tou(step.value).raiseClick();
            break;
        case Step::Wait:
            t.platform.time.advance(step.value);
            break;
        case Step::Caret:
            t.form.Chat.userSelected(step.value, 0);
            break;
        }
    }
}

const std::vector<SendCase> kSendCases = {
    {"Public",
     {{Step::Type, u"大家好"_s}, {Step::Key, {}, kEnter}},
     {{u"我自己说道： 大家好"_s, 0}}},
    {"PrivateToSeat2",
     {{Step::Head, {}, 2}, {Step::Type, u"你好"_s}, {Step::Key, {}, kEnter}},
     {{u"你好"_s, 8}}},
    {"SecondHeadSwapsThePrefixAndKeepsTheText",
     {{Step::Type, u"嗨"_s}, {Step::Head, {}, 1}, {Step::Head, {}, 3}, {Step::Key, {}, kEnter}},
     {{u"嗨"_s, 1}}},
    {"FloodRefusedWithText",
     {{Step::Type, u"一"_s},
      {Step::Key, {}, kEnter},
      {Step::Type, u"二"_s},
      {Step::Key, {}, kEnter}},
     {{u"我自己说道： 一"_s, 0}}},
    {"SendsAgainAfterThePause",
     {{Step::Type, u"一"_s},
      {Step::Key, {}, kEnter},
      {Step::Wait, {}, 800},
      {Step::Type, u"二"_s},
      {Step::Key, {}, kEnter}},
     {{u"我自己说道： 一"_s, 0}, {u"我自己说道： 二"_s, 0}}},
    {"EmptyEnterStartsThePause",
     {{Step::Key, {}, kEnter}, {Step::Type, u"二"_s}, {Step::Key, {}, kEnter}},
     {}},
    {"SpacesOnlySendNothing", {{Step::Type, u"   "_s}, {Step::Key, {}, kEnter}}, {}, u"   "_s},
    {"BackspaceIntoThePrefixEndsPrivateChat",
     {{Step::Head, {}, 1},
      {Step::Type, u"嗨"_s},
      {Step::Caret, {}, 3},
      {Step::Key, {}, kBackspace},
      {Step::Key, {}, kEnter}},
     {{u"我自己说道： 嗨"_s, 0}}},
    {"BackspaceAtCaretZeroLosesTheNextCharacter",
     {{Step::Head, {}, 1},
      {Step::Type, u"嗨"_s},
      {Step::Caret, {}, 0},
      {Step::Key, {}, kBackspace},
      {Step::Caret, {}, 9},
      {Step::Type, u"x"_s},
      {Step::Key, {}, kEnter}},
     {{u"我自己说道： 嗨"_s, 0}}},
};

class Sending : public testing::TestWithParam<SendCase> {};

TEST_P(Sending, SendsWhatTheKeysSay) {
    ChatTable t;
    run(t, GetParam().steps);
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), GetParam().expected.size());
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(sent[i].command(), 19);
        EXPECT_EQ(sent[i].u8(6), 2);
        EXPECT_EQ(sentText(sent[i]), GetParam().expected[i].first);
        EXPECT_EQ(sent[i].u8(11), GetParam().expected[i].second);
        EXPECT_EQ(sent[i].u8(217), 0) << "typed text carries no account";
    }
    EXPECT_EQ(t.form.Chat.text(), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(Keys, Sending, testing::ValuesIn(kSendCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ChatSending, FloodNoticeOnlyWithText) {
    ChatTable t;
    t.type(u"一"_s);
    t.press(kEnter);
    t.press(kEnter);
    auto& log = t.client.forms.get<table::Talk>().Text1;
    EXPECT_EQ(log.listCount(), 0) << "an empty Enter in the pause says nothing";
    t.type(u"二"_s);
    t.press(kEnter);
    EXPECT_EQ(log.list(log.listCount() - 1), u"（发送消息太快！）"_s);
    EXPECT_EQ(t.form.Chat.text(), QString());
}

TEST(ChatSending, PartnerWithoutSeatMaskIsToldInPublic) {
    ChatTable t;
    t.client.hand.custom[2].seat = 0;
    t.form.Tou(2).raiseClick();
    t.type(u"好"_s);
    t.press(kEnter);
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    EXPECT_EQ(sentText(sent[0]), u"我自己对南家说 ：好"_s);
    EXPECT_EQ(sent[0].u8(11), 0);
}

TEST(ChatSending, HundredDoubleByteCharactersFillTheTextField) {
    ChatTable t;
    t.client.chat.ChatSendText = QString(100, u'中');
    connection::GameMessage msg;
    msg.setCommand(19);
    connection::QueueFrame(t.client.conn, msg);
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    for (int i = 16; i < 216; ++i) {
        EXPECT_NE(sent[0].u8(i), 0) << i;
    }
    EXPECT_EQ(sent[0].u8(216), 0);
}

TEST(ChatSending, LongPublicTextLosesItsEnd) {
    ChatTable t;
    t.form.Chat.setText(QString(100, u'a'));
    SendFromChatBox(*t.ctx);
    const auto sent = t.sent();
    ASSERT_EQ(sent.size(), 1U);
    // The nickname and "说道： " count toward the 100 characters.
    EXPECT_EQ(sentText(sent[0]), u"我自己说道： "_s + QString(93, u'a'));
}

TEST(ChatSending, WatcherSendsNothingWithEnterButTheButtonSends) {
    ChatTable t;
    t.client.conn.commandLine.g_bSpectator = true;
    t.type(u"看"_s);
    t.press(kEnter);
    EXPECT_TRUE(t.sent().empty());
    SendFromChatBox(*t.ctx);
    EXPECT_EQ(t.sent().size(), 1U);
}

TEST(ChatSending, NothingBeforeTheLogin) {
    ChatTable t;
    t.client.conn.g_bLoggedIn = false;
    t.form.Chat.setText(u"x"_s);
    t.press(kEnter);
    t.form.Tou(1).raiseClick();
    EXPECT_TRUE(t.sent().empty());
    EXPECT_EQ(t.form.Chat.text(), u"x"_s);
}

TEST(ChatSending, F1IsTheBossKeyAndGoesToThePlugIn) {
    ChatTable t;
    auto object = std::make_shared<platform::fake::RecordingPlugin>();
    t.client.plugin.Prop_GameDll = object;
    t.client.plugin.Prop_GameDllState = 1;
    t.client.forms.get<table::Talk>().show();
    t.press(112);
    EXPECT_TRUE(t.client.table.g_bBossKey);
    EXPECT_TRUE(t.client.table.g_bAutoPlay);
    EXPECT_EQ(t.client.conn.CountDownStart, 1);
    EXPECT_EQ(t.form.windowState(), forms::window_state::kMinimized);
    EXPECT_FALSE(t.client.forms.get<table::Talk>().visible());
    ASSERT_EQ(object->callsOf("SetKeyDown").size(), 1U);
    EXPECT_EQ(object->callsOf("SetKeyDown")[0].args[0], "112");
}

} // namespace
} // namespace qv::chat
