#include "app/client.h"
#include "chat_fixture.h"
#include "common/gbk.h"
#include "connection/commands.h"
#include "forms/form_host.h"
#include "forms/input_router.h"
#include "support/mouse_turn.h"
#include "support/network_table.h"
#include "table/chat_windows.h"
#include "table/main_form.h"

#include <QFile>

#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::chat {
namespace {

constexpr int kEnter = 13;

/// The chat messages the server logged coming in or going out, as their texts.
QStringList loggedChat(const QString& log, bool in) {
    QStringList texts;
    for (const test::LoggedMessage& m : test::readTableLog(log)) {
        if (m.in == in && m.command == connection::MsgChat) {
            texts << fromGbkLenient(m.bytes.mid(16, 200).left(m.bytes.mid(16, 200).indexOf('\0')));
        }
    }
    return texts;
}

// On real sockets the player says something in public, privately to a seat and as a voiced
// phrase; the server logs each and relays it back, and the chat log shows it. While a hand is
// played at the mouse, the computer players' phrases arrive and show in their bubbles.
TEST(ChatAtTheTableServer, PublicPrivateAndPhrasesGoThroughTheServer) {
    test::TableServerRun server({u"--seed"_s, u"11"_s, u"--delay"_s, u"0"_s, u"--turn-seconds"_s,
                                 u"2"_s, u"--phrases"_s, u"always"_s});
    ASSERT_GT(server.port(), 0);
    const QString logPath = server.logPath();

    test::ClientAtTable atTable(server.port());
    auto& platform = atTable.platform;
    Client& client = atTable.client;
    table::MainForm& form = atTable.form;
    {
        QFile ini(platform.fakes.appFolder.path() + u"/chat.ini"_s);
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        QString phrases = u"[Phrase1]\r\nnum=1\r\n1=大家好\r\n[Phrase2]\r\nnum=6\r\n"_s;
        for (int i = 1; i <= 6; ++i) {
            phrases += u"%1=第%1句\r\n"_s.arg(i);
        }
        ini.write(toAnsi(phrases));
    }
    ASSERT_TRUE(
        test::runUntil([&client] { return client.conn.SeatedCount == 4; }, platform.fakes.process));
    const forms::ListBox& chatLog = client.forms.get<table::Talk>().Text1;
    const auto logged = [&chatLog](const QString& line) {
        return [&chatLog, line] {
            return chatLog.items().contains(line);
        };
    };
    const auto ready = [&client] {
        return client.chat.ChatReady;
    };
    const QString me = client.conn.Detail[0].username;

    testing_support::typeInChatBox(form, u"大家好"_s);
    testing_support::pressInChatBox(form, kEnter);
    ASSERT_TRUE(test::runUntil(logged(u"你说道： 大家好"_s), platform.fakes.process));

    ASSERT_TRUE(test::runUntil(ready, platform.fakes.process));
    form.Tou(2).raiseClick();
    testing_support::typeInChatBox(form, u"悄悄话"_s);
    testing_support::pressInChatBox(form, kEnter);
    ASSERT_TRUE(test::runUntil([&] { return loggedChat(logPath, false).contains(u"悄悄话"_s); },
                               platform.fakes.process));

    ASSERT_TRUE(test::runUntil(ready, platform.fakes.process));
    auto& phrases = client.forms.get<table::huifu>();
    phrases.List2.setListIndex(2);
    phrases.List2.raiseDblClick();
    ASSERT_TRUE(test::runUntil(logged(u"你说道： 第3句"_s), platform.fakes.process));
    EXPECT_EQ(loggedChat(logPath, true),
              (QStringList{me + u"说道： 大家好"_s, u"悄悄话"_s, me + u"说道： 第3句"_s}));

    // A computer player's phrase after the first trick, shown in his bubble.
    form.AnNiu(2).raiseClick();
    forms::InputRouter mouse(form);
    const auto bubble = [&] {
        test::playTurnByMouse(client, mouse);
        const auto boxes = form.frmSpeakBox.elements();
        return std::any_of(boxes.begin() + 1, boxes.end(),
                           [](const table::SpeakBoxOverlay* box) { return box->visible(); });
    };
    ASSERT_TRUE(test::runUntil(bubble, platform.fakes.process, 120000));
    EXPECT_GT(loggedChat(logPath, false).size(), 3);
}

} // namespace
} // namespace qv::chat
