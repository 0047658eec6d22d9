#pragma once

#include <optional>

namespace qv::connection {

class Connection;

/// The lobby's messages to the table window that the client answers.
enum class LobbyMessage {
    Seated,    ///< 0x465: is the player still at the table?
    Connected, ///< 0x303: the lobby asks for the connection's state
    Leave,     ///< 0x400: leave the table
    Reconnect, ///< 0x16: connect again
};

/// Nothing for a message number the client does not answer.
std::optional<LobbyMessage> decodeLobbyMessage(int uMsg);
void OnLobbyMessage(Connection& conn, LobbyMessage message);

} // namespace qv::connection
