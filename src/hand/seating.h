#pragma once

#include "connection/player_seated.h"

namespace qv::hand {
struct HandContext;
}

namespace qv::hand {

/// A player takes a seat (command 20): the own seat is learnt from the first such message, the
/// seat's records are filled and painted, the item plug-in hears of the player, the table is
/// prepared once it is full, the wealth multiple is shown and, at the third message, the quick-
/// phrase voices are handed out. Before the own seat is known, a message that does not name it
/// is a `MessageError` and changes nothing.
void OnPlayerSeated(HandContext& ctx, const connection::PlayerSeated& seated);

} // namespace qv::hand
