#pragma once

#include "connection/game_message.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace qv::connection {

class Connection;

/// The server's answer to the login (command 18), read whole.
struct LoginReply {
    enum class Result : std::uint8_t { Accepted, StartFailed, Refused };
    Result result = Result::Refused;
    /// Seconds of the player's absence after which the server plays for him.
    std::uint8_t autoPlayAfter = 0;
    /// The banner's web address; empty when the message brings none or no web address.
    QString banner;

    friend bool operator==(const LoginReply&, const LoginReply&) = default;
};

std::optional<LoginReply> decodeLoginReply(const GameMessage& message);
/// The login's result: logged in, with the lobby told and the banner shown, or refused, with
/// the lobby restored and the program ended.
void OnLoginReply(Connection& conn, const LoginReply& reply);

} // namespace qv::connection
