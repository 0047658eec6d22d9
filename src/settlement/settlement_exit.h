#pragma once

#include "connection/table_exit.h"

#include <functional>

namespace qv::settlement {

struct SettlementContext;

/// The ways out of the table with the settlement's part of the leave reset: the hand history and
/// the sheet emptied, both windows hidden, totals and hand count zeroed and the score sheet file
/// deleted.
class SettlementTableExit final : public connection::TableExit {
public:
    SettlementTableExit(connection::TableExit& inner, std::function<SettlementContext*()> context)
        : inner_(inner), context_(std::move(context)) {}
    void SendLeaveTable() override { inner_.SendLeaveTable(); }
    void LeaveTableReset() override;
    void ClearTableState() override { inner_.ClearTableState(); }
    void ResetTable() override { inner_.ResetTable(); }
    void ShowOtherExit(const QString& text) override { inner_.ShowOtherExit(text); }

private:
    connection::TableExit& inner_;
    std::function<SettlementContext*()> context_;
};

/// The settlement's part of leaving the table.
void LeaveTableReset(SettlementContext& ctx);

} // namespace qv::settlement
