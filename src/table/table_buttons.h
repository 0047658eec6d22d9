#pragma once

namespace qv::table {

class MainForm;

// The steps of the seat layout that set up the button row and the single widgets around the
// table, each run where the seat layout's order puts it.

/// The nine table buttons `AnNiu(0..8)` with their pictures, flags and chained positions.
void LayoutButtonRow(MainForm& form);
/// The jade-task button and the countdown animation frames, its timer stopped.
void LayoutCountdownFrames(MainForm& form);
/// The jade-exchange button and the two chat tool buttons.
void LayoutChatTools(MainForm& form);
/// The location text and its plate.
void LayoutLocation(MainForm& form);
/// The item-store button and the tournament time label.
void LayoutStoreButton(MainForm& form);

} // namespace qv::table
