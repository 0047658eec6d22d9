#pragma once

#include "connection/game_message.h"

#include <array>
#include <optional>

namespace qv::settlement {

/// One seat's hand result, laid out like a result message that carries that seat alone: the
/// message's bytes 0-15 and 256-271, the seat's record at 16-115, zeros between.
using ResultRow = connection::GameMessage;

/// The four result rows of a hand in the server's order: rows 0 and 1 from its first result
/// message, rows 2 and 3 from its second.
using ResultRowSet = std::array<ResultRow, 4>;

/// A result message cut into its two rows: `a` the record at 16-115, `b` the one at 116-215.
struct ResultHalves {
    ResultRow a;
    ResultRow b;
};

/// Cuts a result message into its two rows. Every byte is read by position, so every message
/// gives two rows; what the records mean is read later, field by field.
[[nodiscard]] std::optional<ResultHalves> decodeResult(const connection::GameMessage& message);

} // namespace qv::settlement
