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

/// The least the ways out do until they are built: the leave message straight to the socket,
/// the pump and the connection stopped, the start button locked and the table minimised.
class LeastTableExit final : public TableExit {
public:
    explicit LeastTableExit(Connection& conn) : conn_(conn) {}
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
