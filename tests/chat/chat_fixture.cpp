#include "chat_fixture.h"

#include "common/gbk.h"
#include "connection/commands.h"

using namespace Qt::StringLiterals;

namespace qv::chat::testing_support {
ChatTable::ChatTable(QSize screen) {
    platform.screen.size_ = screen;
    form.Form_Load();
    ctx = client.chatOnTable();
    auto& conn = client.conn;
    conn.g_bLoggedIn = true;
    const std::array<std::uint8_t, 4> masks = {2, 4, 8, 1};
    const std::array<QString, 4> names = {u"我自己"_s, u"东家"_s, u"南家"_s, u"西家"_s};
    const std::array<QString, 4> accounts = {u"me"_s, u"east"_s, u"south"_s, u"west"_s};
    for (std::size_t i = 0; i < 4; ++i) {
        client.hand.custom[i].seat = masks[i];
        client.hand.custom[i].name = accounts[i];
        conn.Detail[i].username = names[i];
    }
}

std::vector<connection::GameMessage> ChatTable::sent() {
    std::vector<connection::GameMessage> messages;
    while (client.conn.SendRing.hasMessage()) {
        messages.push_back(client.conn.SendRing.takeMessage());
    }
    return messages;
}

void ChatTable::type(const QString& text) {
    typeInChatBox(form, text);
}

void ChatTable::press(int keyAscii) {
    pressInChatBox(form, keyAscii);
}

void typeInChatBox(table::MainForm& form, const QString& text) {
    forms::TextBox& box = form.Chat;
    for (const QChar c : text) {
        int key = c.unicode();
        box.raiseKeyPress(key);
        if (key != 0) {
            box.userEdited(box.text() + c, static_cast<int>(box.text().size()) + 1);
        }
    }
}

void pressInChatBox(table::MainForm& form, int keyAscii) {
    int key = keyAscii;
    form.Chat.raiseKeyDown(key, 0);
    if (keyAscii < 32) {
        int ascii = keyAscii;
        form.Chat.raiseKeyPress(ascii);
    }
}

QString sentText(const connection::GameMessage& msg) {
    return fromGbkLenient(msg.textField(16, 200));
}

connection::GameMessage chatFromServer(std::initializer_list<std::pair<int, std::uint8_t>> bytes,
                                       const QString& text, const QByteArray& account) {
    connection::GameMessage msg;
    msg.setCommand(connection::MsgChat);
    for (const auto& [offset, value] : bytes) {
        msg.setU8(offset, value);
    }
    msg.writeBytes(16, toAnsi(text));
    msg.writeBytes(217, account);
    return msg;
}

} // namespace qv::chat::testing_support
