#pragma once

#include "match/match_context.h"
#include "match/match_messages.h"

namespace qv::match {

/// A run's state, the player's places and the run's jade base: commands 75, 77, 78 and 88.
void MsgMatchState(MatchContext& ctx, const RunStateChange& change);
/// Command 77 (`final` false) and 78 (`final` true).
void MsgMatchPlace(MatchContext& ctx, const RunPlace& place, bool final);
void MsgMatchJade(MatchContext& ctx, const RunJade& jade);

/// The reward of `place` in a prize table: column 1 of the first line whose rank ("第1名",
/// "第4-10名") covers it; empty when none does.
[[nodiscard]] QString PrizeOfPlace(const MatchPrizeTable& table, int place);

} // namespace qv::match
