#pragma once

#include "app/client.h"
#include "connection/commands.h"
#include "platform/fake/fake_platform.h"
#include "settlement/hero_window.h"
#include "settlement/score_window.h"
#include "table/main_form.h"
#include "table/rules_window.h"

#include <QByteArray>

#include <initializer_list>
#include <utility>

namespace qv::between::testing_support {

/// A whole client on fake services with its table window loaded, the player "me" at seat mask 1
/// and three others, "p2", "p4" and "p8", around him; the lobby window is there.
struct BetweenTable {
    explicit BetweenTable(QSize screen = {1024, 768}) {
        platform.screen.size_ = screen;
        client.conn.LobbyTitle = connection::kDefaultLobbyTitle;
        platform.lobby.open(client.conn.LobbyTitle);
        form.Form_Load();
        for (const std::uint8_t seat : {1, 2, 4, 8}) {
            auto m = seated(seat);
            connection::DispatchFrame(client.conn, m);
        }
    }

    /// A server message of `command` with the given bytes set.
    static connection::GameMessage
    message(std::uint8_t command, std::initializer_list<std::pair<int, std::uint8_t>> bytes = {}) {
        connection::GameMessage m;
        m.setCommand(command);
        for (const auto& [offset, value] : bytes) {
            m.setU8(offset, value);
        }
        return m;
    }

    static connection::GameMessage seated(std::uint8_t seat) {
        auto m = message(connection::MsgPlayerSeated, {{6, 1}, {226, seat}});
        m.writeBytes(168, seat == 1 ? QByteArray("me") : "p" + QByteArray::number(seat));
        m.writeBytes(16, "nick" + QByteArray::number(seat));
        return m;
    }

    void dispatch(connection::GameMessage m) { connection::DispatchFrame(client.conn, m); }

    /// Connects the socket as the server would accept it.
    void connect() {
        platform.winsock.scriptConnect(0);
        platform.winsock.Connect();
        platform.time.advance(0);
    }

    platform::fake::FakePlatform platform;
    Client client{platform.services};
    table::MainForm& form = client.forms.get<table::MainForm>();
    BetweenContext& ctx = *client.betweenOnTable();
};

/// Whether window F is loaded and visible.
template <class F>
bool shown(const BetweenTable& t) {
    const F* form = t.client.forms.find<F>();
    return form != nullptr && form->visible();
}

} // namespace qv::between::testing_support
