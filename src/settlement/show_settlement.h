#pragma once

#include <QString>

namespace qv::settlement {

struct SettlementContext;

/// Writes the hand's settlement sheet on the Score window from the four result rows and closes
/// the hand: the history, running totals, money and levels of every seat, the sheet saved, the
/// continue prompt and the ready countdown, the win or lose sound. Runs once per hand result,
/// whoever asks; waits two seconds first, delivering events meanwhile.
void ShowSettlement(SettlementContext& ctx);

/// Shows hand `juNum`'s stored sheet on the Score window, centred over the table and in front.
void OpenScoreSheet(SettlementContext& ctx, int juNum);
/// The table's score button: hides a shown Score window, else opens the last hand's sheet.
void ScoreButton(SettlementContext& ctx);
/// Display seat `seat` in the Score and Hero windows, loaded if need be but not shown: the name
/// and head picture the seating left in the sheet's seats.
void ShowSeatInRecords(SettlementContext& ctx, int seat);
/// The table's hero button: hides a shown Hero window, else shows it centred over the table in
/// place of the Score window.
void HeroButton(SettlementContext& ctx);

/// The score sheet file of this table, in the program folder.
[[nodiscard]] QString scoreSheetPath(const SettlementContext& ctx);

} // namespace qv::settlement
