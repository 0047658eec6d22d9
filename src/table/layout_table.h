#pragma once

namespace qv::table {

class MainForm;

/// The second half of the table layout, after the window is shown: the play controls, the
/// countdown clock, speech bubbles, ticker, chat box, banner and table texts, and the shared
/// tables they go with. Reads the avatars and the location plate that `LayoutSeats` placed.
void LayoutTable(MainForm& form);

} // namespace qv::table
