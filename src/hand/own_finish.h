#pragma once

namespace qv::hand {

struct HandContext;

/// The next finishing badge on `first(seat)`, while fewer than three are shown.
void ShowFinishBadge(HandContext& ctx, int seat);

/// When the own hand is empty: the next finishing badge on `first(0)` (while fewer than three
/// are shown) and the first place, or the second when another seat is first.
void RecordOwnFinish(HandContext& ctx);

/// Once a place is taken, the running trick's bombs go to the finisher whose bomb is the last
/// of the log (marked 111 for the first, 222 for the second).
void SettleBombsEarly(HandContext& ctx);

/// Hides the illegal-play notice when it is loaded, without loading it.
void HideChuPai(HandContext& ctx);
/// Shows the illegal-play notice in front, centred on the table window when `centre`.
void ShowChuPai(HandContext& ctx, bool centre);

} // namespace qv::hand
