#pragma once

#include "match/match_context.h"

#include <cstdint>

namespace qv::match {

/// Command 81: the server's clock.
void MsgServerTime(MatchContext& ctx, std::int64_t serverTime);
/// The pump's tournament step: once a second while the list is shown, the clock moves on, and
/// the countdowns, the automatic sign-ups, the tournament button's captions and the time request
/// follow it.
void MatchTimerTick(MatchContext& ctx);
/// The countdown of a run at `now` (seconds): to its start, to its end, or 3 past them.
[[nodiscard]] std::int32_t CountdownValue(const CurMatchRec& run, std::int64_t now);

} // namespace qv::match
