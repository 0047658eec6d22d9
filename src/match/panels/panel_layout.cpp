#include "match/panels/panel_layout.h"

#include "table/main_form.h"

namespace qv::match::panels {

namespace {

constexpr double kPanelWidth = 620;
constexpr double kPanelHeight = 400;

} // namespace

QRectF CentredPanelArea(const table::MainForm& form) {
    return {(form.Pic1.scaleWidth() - kPanelWidth) / 2,
            (form.Pic1.scaleHeight() - kPanelHeight) / 2, kPanelWidth, kPanelHeight};
}

} // namespace qv::match::panels
