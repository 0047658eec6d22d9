#pragma once

#include "settlement/result_rows.h"

#include <functional>

namespace qv::connection {
class Connection;
}

namespace qv::settlement {

struct SettlementContext;

/// Registers the hand result branch (command 9). `context` gives the settlement's context while
/// the table window is there, and nothing before: a result that comes without a window changes
/// nothing.
void RegisterBranches(connection::Connection& conn, std::function<SettlementContext*()> context);

/// One result message: the player's part in the hand ends, the rows are stored, the trick's
/// bombs credited, and with the second message the sheet is written (or left to the item
/// plug-in's own display first).
void OnResult(SettlementContext& ctx, const ResultHalves& halves);

} // namespace qv::settlement
