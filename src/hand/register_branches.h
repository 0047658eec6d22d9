#pragma once

#include <functional>

namespace qv::connection {
class Connection;
}

namespace qv::hand {

struct HandContext;

/// Registers the branches the hand owns with the connection's dispatcher: a player seated
/// (command 20), a round start (command 1), the partner call (command 2) and a play made
/// (command 6); and its pump steps, the call, turn and ready countdowns. `table` gives the hand's
/// context while the table window is there, and nothing before: a message that comes without a
/// window changes nothing.
void RegisterBranches(connection::Connection& conn, std::function<HandContext*()> table);

} // namespace qv::hand
