#pragma once

#include "rules/card_code.h"

#include <span>

namespace qv::rules {

/// Arranges a run of pairs (unitSize 2) or of triples (3) that holds a natural 2, or a 26-card
/// run of pairs. The run is built from the bottom up: the unit of the 2s (2s first, jokers for
/// the missing ones), then each face from 3 on, taking the natural cards that stand last in the
/// selection first and jokers for the missing ones. The cards left form the last unit: on top
/// when they are jokers or stand for the next face, below the 2s when they are As and
/// aceMayStandBelow. Jokers are used in the order they stand. The selection is rewritten from
/// the top unit down only on success.
bool arrangeRunFromTwo(std::span<CardCode> cards, int jokerCount, int unitSize,
                       bool aceMayStandBelow);

} // namespace qv::rules
