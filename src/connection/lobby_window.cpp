#include "client.h"
#include "connection/connection.h"

namespace qv::connection {
namespace {

using platform::Socket;

/// Posts an answer to the lobby when there is one.
void answer(Client& client, int msg) {
    client.services.lobby.post(client.conn.LobbyTitle, msg);
}

/// Leaves the table as the lobby asks: the leave message when connected, then the full reset.
void leaveTable(Client& client) {
    if (client.services.winsock.State() == Socket::sckConnected) {
        client.conn.slots.disarm(kCheckSlot);
        client.conn.later->SendLeaveTable(client);
    }
    client.conn.later->LeaveTableReset(client);
}

bool connectUnderWay(const Client& client) {
    switch (client.services.winsock.State()) {
    case Socket::sckConnectionPending:
    case Socket::sckResolvingHost:
    case Socket::sckHostResolved:
    case Socket::sckConnecting:
        return true;
    default:
        return client.conn.connecting;
    }
}

void connectAgain(Client& client) {
    auto& conn = client.conn;
    if (connectUnderWay(client)) {
        return;
    }
    conn.g_bGameData = true;
    if (conn.commandLine.ProxyType == 0) {
        ResetRings(client);
    }
    ConnectByProxyType(client);
    conn.view->restoreStartButton();
}

} // namespace

void ConnectByProxyType(Client& client) {
    auto& conn = client.conn;
    auto& winsock = client.services.winsock;
    switch (conn.commandLine.ProxyType) {
    case 0:
        winsock.setRemoteHost(conn.commandLine.ServerHost);
        winsock.setRemotePort(conn.commandLine.ServerPort);
        if (winsock.State() != Socket::sckClosed) {
            winsock.Close();
        }
        winsock.Connect();
        conn.TimerBong.setEnabled(true);
        conn.slots.arm(kLoginSlot);
        break;
    case 5:
        conn.slots.BongFlag[kLoginSlot] = false;
        conn.connecting = true;
        conn.later->ConnectToSock5Server(client);
        conn.connecting = false;
        break;
    default:
        break;
    }
}

void RestoreLobby(Client& client) {
    const QString& title = client.conn.LobbyTitle;
    if (title.trimmed().isEmpty()) {
        return;
    }
    if (!client.services.lobby.restore(title)) {
        client.services.process.endNow();
    }
}

void MinimizeLobby(Client& client) {
    const QString& title = client.conn.LobbyTitle;
    if (!title.trimmed().isEmpty()) {
        client.services.lobby.minimize(title);
    }
}

void PostToLobby(Client& client, int msg) {
    client.services.lobby.post(client.conn.LobbyTitle, msg);
}

void RestoreLobbyAndEnd(Client& client) {
    RestoreLobby(client);
    client.services.process.restoreLobbyThenEnd();
}

void LobbyWndProc(Client& client, int uMsg) {
    auto& conn = client.conn;
    auto& lobby = client.services.lobby;
    switch (uMsg) {
    case LobbyMsgSeated:
        answer(client, conn.g_bInGame ? LobbyMsgSeated : LobbyMsgLeave);
        break;
    case LobbyMsgConnected:
        if (!lobby.find(conn.LobbyTitle)) {
            break;
        }
        if (conn.g_bLoginPending) {
            answer(client, LobbyMsgConnecting);
        } else if (conn.g_bInGame) {
            answer(client, LobbyMsgSeated);
        } else {
            leaveTable(client);
            answer(client, LobbyMsgLeave);
        }
        break;
    case LobbyMsgLeave:
        leaveTable(client);
        answer(client, LobbyMsgLeave);
        break;
    case LobbyMsgReconnect:
        connectAgain(client);
        break;
    default:
        break;
    }
}

} // namespace qv::connection
