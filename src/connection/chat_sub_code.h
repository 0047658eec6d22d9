#pragma once

#include "connection/game_message.h"

#include <cstdint>

namespace qv::connection {

/// A chat message's routing sub-code, bytes 236 to 239 highest first, read as the runtime reads
/// it: a top byte of 128 or more overflows its step of the sum, which the sum then leaves out.
[[nodiscard]] std::uint32_t ChatSubCode(const GameMessage& msg);

/// Whether a chat message with this sub-code is the item plug-in's rather than the players'.
[[nodiscard]] bool IsPluginSubCode(std::uint32_t subCode);

} // namespace qv::connection
