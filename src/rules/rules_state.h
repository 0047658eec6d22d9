#pragma once

#include "rules/card_code.h"
#include "rules/play_type.h"

#include <array>
#include <cstdint>

namespace qv::rules {

/// The card rules' state of the player's own turn, owned by the client.
struct RulesState {
    /// The last classified selection: element 0 its type, elements 5 on its arranged cards.
    std::array<CardCode, 46> CurPlay{};

    /// The play to beat; type PlayNone is a free lead. Cards as face * 256 + suit flag, in the
    /// arranged order in which they were played.
    PlayType LastPlayType = PlayNone;
    std::int16_t LastPlayCount = 0;
    std::array<CardCode, 27> LastPlayCards{};
};

} // namespace qv::rules
