#pragma once

#include "rules/card_code.h"
#include "rules/play_type.h"
#include "rules/search_pai.h"

#include <optional>
#include <span>

namespace qv::rules {

/// The pattern of the answers of the same kind as a play to beat of type pt and n cards in
/// arranged order: its unit, units and the faces an answer may start at. Nothing when the play
/// gives no such answers: a count outside 1 to kMaxSelection or beyond the cards, a run of fewer
/// than two units, or a run without a natural card.
std::optional<HintPattern> followPattern(PlayType pt, int n, std::span<const CardCode> cards);

} // namespace qv::rules
