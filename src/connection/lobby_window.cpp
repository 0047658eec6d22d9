#include "connection/connection.h"
#include "connection/lobby_message.h"
#include "platform/services.h"

namespace qv::connection {
namespace {

using platform::Socket;

/// Posts an answer to the lobby when there is one.
void answer(Connection& conn, int msg) {
    conn.services.lobby.post(conn.LobbyTitle, msg);
}

/// Leaves the table as the lobby asks: the leave message when connected, then the full reset.
void leaveTable(Connection& conn) {
    if (conn.services.winsock.State() == Socket::sckConnected) {
        conn.slots.disarm(kCheckSlot);
        conn.tableExit->SendLeaveTable();
    }
    conn.tableExit->LeaveTableReset();
}

void connectAgain(Connection& conn) {
    if (SocketConnecting(conn) || conn.connecting) {
        return;
    }
    conn.g_bGameData = true;
    conn.reconnecting = false;
    if (conn.commandLine.ProxyType == 0) {
        ResetRings(conn);
    }
    ConnectByProxyType(conn);
    conn.view->restoreStartButton();
}

} // namespace

bool SocketConnecting(const Connection& conn) {
    switch (conn.services.winsock.State()) {
    case Socket::sckConnectionPending:
    case Socket::sckResolvingHost:
    case Socket::sckHostResolved:
    case Socket::sckConnecting:
        return true;
    default:
        return false;
    }
}

void ConnectByProxyType(Connection& conn) {
    auto& winsock = conn.services.winsock;
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
        conn.proxy->ConnectToSock5Server();
        break;
    default:
        break;
    }
}

void RestoreLobby(Connection& conn) {
    const QString& title = conn.LobbyTitle;
    if (title.trimmed().isEmpty()) {
        return;
    }
    if (!conn.services.lobby.restore(title)) {
        conn.services.process.endNow();
    }
}

void MinimizeLobby(Connection& conn) {
    const QString& title = conn.LobbyTitle;
    if (!title.trimmed().isEmpty()) {
        conn.services.lobby.minimize(title);
    }
}

void PostToLobby(Connection& conn, int msg) {
    conn.services.lobby.post(conn.LobbyTitle, msg);
}

void RestoreLobbyAndEnd(Connection& conn) {
    RestoreLobby(conn);
    conn.services.process.restoreLobbyThenEnd();
}

std::optional<LobbyMessage> decodeLobbyMessage(int uMsg) {
    switch (uMsg) {
    case LobbyMsgSeated:
        return LobbyMessage::Seated;
    case LobbyMsgConnected:
        return LobbyMessage::Connected;
    case LobbyMsgLeave:
        return LobbyMessage::Leave;
    case LobbyMsgReconnect:
        return LobbyMessage::Reconnect;
    default:
        return std::nullopt;
    }
}

void OnLobbyMessage(Connection& conn, LobbyMessage message) {
    switch (message) {
    case LobbyMessage::Seated:
        answer(conn, conn.g_bInGame ? LobbyMsgSeated : LobbyMsgLeave);
        break;
    case LobbyMessage::Connected:
        if (!conn.services.lobby.find(conn.LobbyTitle)) {
            break;
        }
        if (conn.g_bLoginPending) {
            answer(conn, LobbyMsgConnecting);
        } else if (conn.g_bInGame) {
            answer(conn, LobbyMsgSeated);
        } else {
            leaveTable(conn);
            answer(conn, LobbyMsgLeave);
        }
        break;
    case LobbyMessage::Leave:
        leaveTable(conn);
        answer(conn, LobbyMsgLeave);
        break;
    case LobbyMessage::Reconnect:
        connectAgain(conn);
        break;
    }
}

void LobbyWndProc(Connection& conn, int uMsg) {
    if (const auto message = decodeLobbyMessage(uMsg)) {
        OnLobbyMessage(conn, *message);
    }
}

} // namespace qv::connection
