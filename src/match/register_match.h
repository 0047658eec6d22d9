#pragma once

#include <functional>

namespace qv::connection {
class Connection;
}

namespace qv::match {

class ConfigDownload;
struct MatchContext;

/// Registers the tournament messages (47, and 72 to 92 but the ranking page, the item bag and
/// the shop's notices) with the connection's dispatcher, and `MatchTimerTick` as the pump's first
/// step. `table` gives the tournament model on the table window while the window is there: a
/// message that comes without a window changes nothing.
void RegisterMatch(connection::Connection& conn, ConfigDownload& download,
                   const std::function<MatchContext*()>& table);

} // namespace qv::match
