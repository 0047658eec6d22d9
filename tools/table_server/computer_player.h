#pragma once

#include "hand.h"

#include <optional>

namespace qv::tools::table {

// The computer players: simple and deterministic, so a seed replays a whole game.

/// The lead: every card of the lowest face (jokers only when nothing else is left); a group that
/// forms no play is led as its lowest card.
Play chooseLead(const std::vector<CardCode>& hand);

/// The cheapest play of the same kind that beats the play to beat (a bomb only against a bomb),
/// built from natural cards; nothing means a pass.
std::optional<Play> chooseFollow(const std::vector<CardCode>& hand, const Play& toBeat);

/// The move made for a player whose time ran out: the lowest card on a lead, else a pass.
std::optional<Play> timeoutMove(const std::vector<CardCode>& hand, bool leading);

/// The partner call of a banker: the lowest card of face 3 to 9 he holds one copy of, else the
/// lowest such card he does not hold at all, else his lowest card of face 3 to 9.
CardCode chooseCall(const std::vector<CardCode>& hand);

} // namespace qv::tools::table
