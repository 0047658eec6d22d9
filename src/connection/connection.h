#pragma once

#include "connection/game_message.h"

#include <QString>

namespace qv {
class Client;
}

namespace qv::connection {

/// Lobby window messages, in both directions.
inline constexpr int LobbyMsgReconnect = 0x16;
inline constexpr int LobbyMsgConnected = 0x303;
inline constexpr int LobbyMsgLeave = 0x400;
inline constexpr int LobbyMsgSeated = 0x465;
inline constexpr int LobbyMsgConnecting = 0x466;
inline constexpr int LobbyMsgRoundStart = 0x467;

/// The lobby's title when it does not pass one of its own.
inline const QString kDefaultLobbyTitle = QStringLiteral("Velmor山庄");

// Rings and sending.
void ResetRings(Client& client);
/// Completes a message (chat text, turn token, sequence bytes) and appends it to the send ring.
/// Nothing is queued when a chat message has no text or the ring has no room.
void QueueFrame(Client& client, GameMessage& msg);
/// The tournament and shop senders' way: sequence bytes only.
void QueueMatchFrame(Client& client, GameMessage& msg);
void Winsock1_DataArrival(Client& client, int bytesTotal);
void Winsock1_Close(Client& client);
void TimerKeepAlive_Timer(Client& client);

// The pump.
void TimerBong_Timer(Client& client);

// The dispatcher and the branches of this part.
void DispatchFrame(Client& client, GameMessage& message);
void OnLoginReply(Client& client, GameMessage& message);

// The lobby link.
void RestoreLobby(Client& client);
void MinimizeLobby(Client& client);
void PostToLobby(Client& client, int msg);
/// The lobby's messages to the table window.
void LobbyWndProc(Client& client, int uMsg);
/// Restores the lobby window and ends the program at once.
void RestoreLobbyAndEnd(Client& client);

/// Connects as the command line says: directly (the pump logs in once connected), through the
/// proxy, or not at all for another proxy type.
void ConnectByProxyType(Client& client);

// Start-up and shut-down, in the order the table window's load runs them.
/// Empties the rings, refuses a second copy and puts the start values (before the sound starts).
void BeginStartUp(Client& client);
/// Resets the tournament state, reads the command line, prepares the login, connects and
/// restores the lobby; a line that is missing or unusable ends the program.
void OpenConnection(Client& client, const QString& commandLine);
/// After the table is shown: the last start values, and the lobby's messages reach
/// `LobbyWndProc` from now on.
void InstallLobbyLink(Client& client);
/// The whole start-up without a table window: the steps above with the table shown between.
void Form_Load(Client& client, const QString& commandLine);
/// The connection's share of the table window's unload: the lobby's messages stop, the item
/// plug-in is closed, and the program ends once the window has gone.
void Form_Unload(Client& client);

} // namespace qv::connection
