#pragma once

#include "hand/hand_context.h"
#include "settlement/settlement_state.h"

namespace qv::forms {
class FormHost;
}

namespace qv::settlement {

/// What the settlement works with: the hand on the table window (the window, the states and
/// services it reads), its own state and the pop-up windows' host.
struct SettlementContext {
    hand::HandContext& hand;
    SettlementState& state;
    forms::FormHost& forms;
};

} // namespace qv::settlement
