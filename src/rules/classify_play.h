#pragma once

#include "rules/card_code.h"
#include "rules/play_type.h"
#include "rules/rules_state.h"

#include <span>

namespace qv::rules {

/// The type of the first n cards of a selection in hand order, PlayNone for an illegal one. An
/// accepted selection is put into its arranged order, the order the play message carries; a
/// rejected one stays as it came. Writes the type and the arranged cards into state.CurPlay.
/// lastType, the type of the play to beat, takes no part: the classification stands alone.
PlayType ClassifyPlay(RulesState& state, PlayType lastType, int n, std::span<CardCode> cards);

} // namespace qv::rules
