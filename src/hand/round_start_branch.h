#pragma once

#include "connection/round_start.h"

namespace qv::hand {
struct HandContext;
}

namespace qv::hand {

/// A hand begins (command 1): the client goes into the hand, messages parked during the last
/// result go out, the lobby hears of it, the table comes up, a full hand resets the table and is
/// dealt, and the banker's mark and clock open the partner call: the call button when the
/// player is the banker, the banker's countdown otherwise.
void OnRoundStart(HandContext& ctx, const connection::RoundStart& start);

} // namespace qv::hand
