#pragma once

#include "rules/arrangement.h"
#include "rules/card_code.h"
#include "rules/hint_list.h"

#include <optional>
#include <span>

namespace qv::rules {

/// The hand slots a hint raises, ascending.
struct HintSlots {
    std::array<int, kMaxSelection> slots{};
    int count = 0;
};

/// The slots of a hand in hand order (at most its first kMaxSelection cards) that raise a row:
/// for each face the first slot not yet taken that holds that face, else the first slot not yet
/// taken from the front of the hand, where the jokers stand. Each slot is taken once; nothing
/// when the hand runs out of cards.
std::optional<HintSlots> hintSlots(std::span<const CardCode> hand, const HintRow& row);

/// Whether the cards a row raises form a play of the row's type that beats the play to beat.
bool hintBeats(std::span<const CardCode> hand, const HintRow& row, PlayType lastType, int lastCount,
               std::span<const CardCode> lastCards);

} // namespace qv::rules
