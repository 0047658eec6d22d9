#pragma once

#include "connection/game_message.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace qv::tools {

/// One step of a server script. A script is text, one step a line, `#` starts a comment:
///   send <cmd> [<offset>=<byte>]... [@<offset>=<text>]...   a 272-byte message to the client
///   expect <cmd> [<offset>=<byte>]...   waits for a client message that matches (others pass)
///   wait <ms>                           pauses the script
///   close                               closes the connection
/// Numbers may be decimal or 0x-hex; texts are written in GBK and end at the next blank.
struct ScriptStep {
    enum class Kind { Send, Expect, Wait, Close };
    Kind kind = Kind::Wait;
    connection::GameMessage message;
    /// For `expect`: the bytes that must match, the command among them.
    std::vector<std::pair<int, std::uint8_t>> match;
    int waitMs = 0;
    /// The script line, for reports.
    QString line;

    [[nodiscard]] bool matches(const connection::GameMessage& m) const;
};

/// Parses a script; the error names the first bad line.
struct ParsedScript {
    std::vector<ScriptStep> steps;
    QString error;
};
ParsedScript parseScript(const QString& text);

} // namespace qv::tools
