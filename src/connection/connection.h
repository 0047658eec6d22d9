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

// Start-up and shut-down.
/// The connection's share of the table window's load: reads the command line, prepares the
/// login, connects, restores the lobby, shows the table and starts listening to the lobby.
void Form_Load(Client& client, const QString& commandLine);
/// The connection's share of the table window's unload.
void Form_Unload(Client& client);

} // namespace qv::connection
