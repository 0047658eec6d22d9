#pragma once

#include "match/match.h"
#include "match/match_panels.h"

namespace qv::connection {
class Connection;
}
namespace qv::hand {
struct HandState;
}
namespace qv::table {
class MainForm;
}

namespace qv::match {

/// What the tournament model works with on the table window: the window, its own state, the
/// connection (sending, the clock's tick, the seated players' details), the hand's seats and the
/// panels it asks to draw.
struct MatchContext {
    table::MainForm& form;
    MatchState& state;
    connection::Connection& conn;
    hand::HandState& hand;
    MatchPanels& panels;
};

} // namespace qv::match
