#pragma once

#include "rules/card_code.h"
#include "rules/hint_list.h"
#include "rules/play_type.h"

#include <span>

namespace qv::rules {

/// Rebuilds the hint list for a play to beat of type pt and n cards in arranged order, from the
/// own hand in hand order: the answers of the same kind, then every bomb from the smallest that
/// beats it, each size by face, then the four jokers (which may be the row after the search
/// limit). Every row raises cards of the hand, each once, that form a play of the row's type
/// beating the play to beat.
void PromptFollow(HintState& hints, std::span<const CardCode> hand, PlayType pt, int n,
                  std::span<const CardCode> cards);

/// Rebuilds the hint list for a free lead as one row: the jokers when the hand holds nothing
/// else, the whole hand when it holds one natural face, else the lowest face held once, then
/// twice, three times, four to eight times. An empty hand gets no hint.
void PromptLead(HintState& hints, std::span<const CardCode> hand);

} // namespace qv::rules
