#pragma once

#include "connection/game_message.h"

#include <QString>

#include <optional>

namespace qv::connection {

inline constexpr int kLoginUserByte = 16;
inline constexpr int kLoginCredentialByte = 32;

/// The login message (command 18) with the user name from byte 16 and the credential from
/// byte 32, one byte per character. Nothing when a character needs more than one byte or a text
/// would run into the sequence bytes at 260.
std::optional<GameMessage> BuildLoginBuffer(const QString& userName, const QString& credential);

/// A text as one byte per character in the system code page; nothing when a character needs two.
std::optional<QByteArray> singleByteText(const QString& text);

} // namespace qv::connection
