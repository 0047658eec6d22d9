#pragma once

#include <functional>

namespace qv::connection {
class Connection;
}

namespace qv::between {

struct BetweenContext;

/// Registers the branches of the table between hands: the table state (16), chat routing (19),
/// a player leaving (21), the removal (22) and the ready marks (23). `table` gives the context
/// while the table window is there, and nothing before: a message that comes without a window
/// changes nothing.
void RegisterBranches(connection::Connection& conn, std::function<BetweenContext*()> table);

} // namespace qv::between
