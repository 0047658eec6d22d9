#pragma once

namespace qv::table {

class MainForm;

/// Places and hides the seat video frames, command strips and open-video icons, and prepares
/// the command buttons for the small table.
void LayoutVideoPanels(MainForm& form);

} // namespace qv::table
