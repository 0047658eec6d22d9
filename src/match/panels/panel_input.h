#pragma once

namespace qv::forms {
class PictureBox;
}

namespace qv::table {
struct TableState;
}

namespace qv::match::panels {

inline constexpr int kLeftButton = 1;

/// A drag of a panel by its body: the press records where the pointer went down, a move of 5
/// pixels or more from there carries the panel along, and the release puts it where the pointer
/// is, however little it moved.
void BeginPanelDrag(table::TableState& table, double x, double y);
/// True when the move carried the panel.
bool DragPanelOnMove(const table::TableState& table, forms::PictureBox& panel, double x, double y);
void EndPanelDrag(const table::TableState& table, forms::PictureBox& panel, double x, double y);

} // namespace qv::match::panels
