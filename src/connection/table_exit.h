#pragma once

#include <QString>

namespace qv::connection {

class Connection;

/// The ways out of the table: the leave message, the reset of table and connection, and the
/// table's own resets.
class TableExit {
public:
    virtual ~TableExit() = default;
    virtual void SendLeaveTable() = 0;
    virtual void LeaveTableReset() = 0;
    virtual void ClearTableState() = 0;
    virtual void ResetTable() = 0;
    /// `frmOtherExit`, on top and centred over the table, with its label set to `text`.
    virtual void ShowOtherExit(const QString& text) = 0;
};

/// The ways out where no table window stands: the leave message straight to the socket, the pump
/// and the connection stopped, the start button locked and the table minimised. The table's own
/// way out builds on it.
class BareTableExit final : public TableExit {
public:
    explicit BareTableExit(Connection& conn) : conn_(conn) {}
    void SendLeaveTable() override;
    void LeaveTableReset() override;
    void ClearTableState() override {}
    void ResetTable() override {}
    /// The notice as a message box, so the player reads it.
    void ShowOtherExit(const QString& text) override;

private:
    Connection& conn_;
};

} // namespace qv::connection
