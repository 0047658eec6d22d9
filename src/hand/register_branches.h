#pragma once

#include "connection/table_exit.h"

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

/// The ways out of the table with the hand's own resets of the table and its records; leaving
/// itself is still the connection's least.
class HandTableExit final : public connection::TableExit {
public:
    HandTableExit(connection::TableExit& leave, std::function<HandContext*()> table)
        : leave_(leave), table_(std::move(table)) {}
    void SendLeaveTable() override { leave_.SendLeaveTable(); }
    void LeaveTableReset() override { leave_.LeaveTableReset(); }
    void ClearTableState() override;
    void ResetTable() override;
    void ShowOtherExit(const QString& text) override { leave_.ShowOtherExit(text); }

private:
    connection::TableExit& leave_;
    std::function<HandContext*()> table_;
};

} // namespace qv::hand
