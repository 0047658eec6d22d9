#pragma once

#include "connection/player_detail.h"
#include "connection/table_exit.h"

#include <QString>

#include <functional>

namespace qv::forms {
class FormHost;
}

namespace qv::between {

struct BetweenContext;

/// Sends the leave message straight to the socket when it is connected, stops the pump, waits
/// for it to go out and takes the seat-change display and the web views down.
void SendLeaveTable(BetweenContext& ctx);
/// The table's and the connection's share of the one full reset that every way out uses: the
/// socket closed, the seats and the table view emptied, the window minimised.
void LeaveTableReset(BetweenContext& ctx);
/// The server ends the table: the other seats emptied, the socket closed, the rings emptied,
/// and, when `showNotice`, the notice `frmOtherExit` shown in front over the table.
void CloseTable(BetweenContext& ctx, bool showNotice = true);
/// Back to the lobby when its window is there (the table minimised), else the program ends.
void ReturnToLobby(BetweenContext& ctx);
/// Leaves as the notice's OK does: the client's full reset and the hand's resets.
void LeaveToLobby(BetweenContext& ctx);

/// Toggles the exit dialog: a visible one is hidden; a hidden one is centred on the table, its
/// warning chosen by the table's state, and shown.
void ToggleExitDialog(BetweenContext& ctx);
/// The player confirms leaving in the exit dialog.
void pbCloseMe_Click(BetweenContext& ctx);
/// The notice's OK and Cancel.
void imgOK_Click(BetweenContext& ctx);
void imgCancel_Click(BetweenContext& ctx);
/// Puts `text` on the notice, topmost and centred over the table.
void ShowOtherExit(BetweenContext& ctx, const QString& text, bool show = true);

/// A player's details emptied as a seat is cleared: names, texts, amounts and counters; the
/// account, tag, voice and seat code stay, and the VIP level when `keepVip`.
void ClearPlayerDetail(connection::PlayerDetail& detail, bool keepVip);

/// Display seat `seat` (1 to 3) emptied of its player: ready mark, head picture, captions, name,
/// details, VIP badge, and the item plug-in told. `notice` writes the system list in between,
/// where the seat's nickname is still there.
void EmptySeat(BetweenContext& ctx, int seat, const std::function<void()>& notice);

/// Teaches the client's form host to make the exit dialog and the notice with their buttons
/// wired to the leaving above.
void registerExitWindows(forms::FormHost& host, std::function<BetweenContext*()> table);

/// The real ways out of the table; before the table window is there the connection's least.
class BetweenTableExit final : public connection::TableExit {
public:
    BetweenTableExit(connection::TableExit& least, std::function<BetweenContext*()> table)
        : least_(least), table_(std::move(table)) {}
    void SendLeaveTable() override;
    void LeaveTableReset() override;
    void ClearTableState() override;
    void ResetTable() override;
    void ShowOtherExit(const QString& text) override;

private:
    connection::TableExit& least_;
    std::function<BetweenContext*()> table_;
};

} // namespace qv::between
