#pragma once

namespace qv::hand {
struct HandContext;
}

namespace qv::hand {

/// The reset before a new hand: every seat's hand emptied, its first six slots without an
/// image and its score 0, the seating-message count and the finishing count 0, no hand in play,
/// the jade-task panel hidden.
void ClearHandState(HandContext& ctx);

/// The reset when the table is torn down or formed anew: the same as `ClearHandState`.
void ClearTableState(HandContext& ctx);

} // namespace qv::hand
