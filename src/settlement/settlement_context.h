#pragma once

#include "hand/hand_context.h"
#include "hand/hand_end.h"
#include "settlement/settlement_state.h"

namespace qv::forms {
class FormHost;
}

namespace qv::settlement {

/// What the settlement works with: the hand on the table window (the window, the states and
/// services it reads), its own state, the pop-up windows' host and what it asks of hand play.
struct SettlementContext {
    hand::HandContext& hand;
    SettlementState& state;
    forms::FormHost& forms;
    hand::HandEnd& handEnd;
};

} // namespace qv::settlement
