#include "match/panels/panel_input.h"

#include "forms/picture_box.h"
#include "table/table_state.h"

#include <cmath>

namespace qv::match::panels {

namespace {

constexpr double kDragThreshold = 5;

void carry(const table::TableState& table, forms::PictureBox& panel, double x, double y) {
    panel.move(panel.left() + x - table.PanelDragX, panel.top() + y - table.PanelDragY);
}

} // namespace

void BeginPanelDrag(table::TableState& table, double x, double y) {
    table.PanelDragX = static_cast<float>(x);
    table.PanelDragY = static_cast<float>(y);
}

bool DragPanelOnMove(const table::TableState& table, forms::PictureBox& panel, double x, double y) {
    if (std::abs(x - table.PanelDragX) < kDragThreshold &&
        std::abs(y - table.PanelDragY) < kDragThreshold) {
        return false;
    }
    carry(table, panel, x, y);
    return true;
}

void EndPanelDrag(const table::TableState& table, forms::PictureBox& panel, double x, double y) {
    carry(table, panel, x, y);
}

} // namespace qv::match::panels
