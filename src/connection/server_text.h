#pragma once

#include "connection/game_message.h"

#include <QString>

namespace qv::connection {

/// The three ways the server writes a text into a fixed field of a message. Each ends at a zero
/// byte or at the field's end and never fails: a byte pair that is no GBK character reads as
/// U+FFFD.

/// One- and two-byte GBK characters: a byte of 0x80 or more takes the next byte as its second,
/// except in the field's last position, where it stands alone.
[[nodiscard]] QString MixedText(const GameMessage& message, int offset, int length);
/// Two-byte characters only, pair by pair, the first byte high; a pair whose first byte is zero
/// ends the text.
[[nodiscard]] QString DoubleByteText(const GameMessage& message, int offset, int length);
/// The tournament messages' way, from `offset` to the byte `last` at most: a byte of 0x80 or more
/// takes the next byte as its second even where that lies beyond `last`, though never beyond the
/// message. `end`, when given, receives the position after the text: its zero byte, or the first
/// position not read.
[[nodiscard]] QString MatchText(const GameMessage& message, int offset, int last,
                                int* end = nullptr);
/// One character per byte.
[[nodiscard]] QString SingleByteText(const GameMessage& message, int offset, int length);

} // namespace qv::connection
