#pragma once

#include <cstdint>

namespace qv::connection {
class Connection;
}

namespace qv::match {

struct MatchState;

/// The tournament requests, queued through the tournament send path with seat byte 0. A negative
/// id names no run and sends nothing.

/// Command 72: signs up for the run of `id`.
void SendSignUp(connection::Connection& conn, std::int32_t id);
/// Command 79: asks for the ranking of the run of `id`.
void SendSortRequest(connection::Connection& conn, std::int32_t id);
/// Command 81, empty: asks for the server's time, and marks the request pending.
void SendTimeRequest(connection::Connection& conn, MatchState& state);

} // namespace qv::match
