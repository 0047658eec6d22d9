#pragma once

#include "rules/card_code.h"
#include "rules/play_type.h"

#include <span>

namespace qv::rules {

/// The comparison key of a play in arranged order: of two plays of one type and card count, the
/// higher key wins. Singles, pairs, triples, triples with a pair and bombs: the face of the first
/// card. Runs: the face of the lowest unit, an A below the 2 counting 1 and a 2 counting 2.
int PlayKey(PlayType type, std::span<const CardCode> cards);

/// Whether the play (cards, count, type) may be played on the play to beat (lastCards,
/// lastCount, lastType); both in arranged order. Only faces and suit flags are read.
bool CanBeat(std::span<const CardCode> cards, int count, PlayType type,
             std::span<const CardCode> lastCards, int lastCount, PlayType lastType);

} // namespace qv::rules
