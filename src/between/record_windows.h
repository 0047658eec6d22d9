#pragma once

namespace qv::between {

/// The table's record windows, the score sheet `Score` and the hand history `Hero`, as the
/// table's buttons and the server's notices use them.
class RecordWindows {
public:
    virtual ~RecordWindows() = default;
    /// The score button: hides a visible sheet, else shows the last hand's.
    virtual void ToggleScore() = 0;
    /// The history button: hides a visible history, else shows it in place of the sheet.
    virtual void ToggleHero() = 0;
    virtual void HideRecords() = 0;
    /// The sheet centred on the table window, shown in front.
    virtual void ShowScoreOverTable() = 0;
    /// The history centred on the table surface and shown.
    virtual void ShowHeroOnTable() = 0;
    /// The post-game sequence runs 2001 ms from now.
    virtual void ArmPostGame() = 0;
    /// Display seat `seat` loses its head picture and name in both windows.
    virtual void ClearSeat(int seat) = 0;
};

} // namespace qv::between
