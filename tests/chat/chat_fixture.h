#pragma once

#include "app/client.h"
#include "chat/chat_context.h"
#include "connection/game_message.h"
#include "platform/fake/fake_platform.h"
#include "table/main_form.h"

#include <QString>

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace qv::chat::testing_support {

/// A whole client on fake services, its table window loaded, logged in, with four players
/// seated: the player "我自己" (account "me") at seat mask 2, then "东家" (4), "南家" (8) and
/// "西家" (1) at display seats 1 to 3.
struct ChatTable {
    explicit ChatTable(QSize screen = {1024, 768});

    /// The chat messages queued for the server since the last call.
    std::vector<connection::GameMessage> sent();
    /// Types `text` into the chat box as the user does (caret at its end).
    void type(const QString& text);
    /// A key pressed in the chat box: KeyDown, then KeyPress for keys with a character.
    void press(int keyAscii);

    platform::fake::FakePlatform platform;
    Client client{platform.services};
    table::MainForm& form = client.forms.get<table::MainForm>();
    ChatContext* ctx = nullptr;
};

/// Types `text` into the table's chat box as the user does (caret at its end).
void typeInChatBox(table::MainForm& form, const QString& text);
/// A key pressed in the table's chat box: KeyDown, then KeyPress for keys with a character.
void pressInChatBox(table::MainForm& form, int keyAscii);

/// The chat text bytes 16..215 of a message, up to the first zero byte, as GBK.
[[nodiscard]] QString sentText(const connection::GameMessage& msg);

/// A chat message from the server with the given bytes and a GBK text from byte 16.
[[nodiscard]] connection::GameMessage
chatFromServer(std::initializer_list<std::pair<int, std::uint8_t>> bytes, const QString& text = {},
               const QByteArray& account = {});

} // namespace qv::chat::testing_support
