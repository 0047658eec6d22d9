#pragma once

namespace qv::table {
class MainForm;
}

namespace qv::match::panels {

/// The table window's layout for the table type `G_MatchType`: below 2 the ordinary table (prize
/// bar, money and level at the seats), from 2 the tournament table (its background, the
/// tournament bar at the bottom, score and place at the seats). Every seat takes part.
void ShowMainFormByMatchType(table::MainForm& form);

/// Hides the prize bar and its winners-list button.
void HidePrizePanel(table::MainForm& form);

} // namespace qv::match::panels
