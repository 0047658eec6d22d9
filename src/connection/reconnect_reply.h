#pragma once

#include "connection/game_message.h"

#include <optional>

namespace qv::connection {

class Connection;

/// The server's answer to the reconnect request (command 29).
struct ReconnectReply {
    bool accepted = false;

    friend bool operator==(const ReconnectReply&, const ReconnectReply&) = default;
};

std::optional<ReconnectReply> decodeReconnectReply(const GameMessage& message);
/// Accepted: logged in again, and the table goes on with the server's next messages. Refused:
/// the notice, the lobby back, and the program ends.
void OnReconnectReply(Connection& conn, const ReconnectReply& reply);

} // namespace qv::connection
