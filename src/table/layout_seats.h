#pragma once

namespace qv::table {

class MainForm;

/// The first half of the table layout, before the window is shown: creates the seat widgets'
/// missing elements, places the seat widgets, the button row, the side widgets and the video
/// panels at the current scale, and sets their start values.
void LayoutSeats(MainForm& form);

} // namespace qv::table
