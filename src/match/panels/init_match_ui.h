#pragma once

namespace qv::table {
class MainForm;
}

namespace qv::match::panels {

/// Lays out the two tournament panels and their buttons on the table window and empties them.
/// The first run (the row array has one element) makes the repeated controls and places every
/// control; every run then resets the panels: no texts, page "1/1", paging arrows disabled, the
/// sub-controls hidden, the buttons' tags at rest. Table-surface controls move with the
/// window's scale; the panels keep their design size.
void initMatchUI(table::MainForm& form);

} // namespace qv::match::panels
