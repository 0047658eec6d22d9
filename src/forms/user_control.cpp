#include "forms/user_control.h"

namespace qv::forms {

UserControl::UserControl(Container& container, QString name, QString kind, Layer layer)
    : Control(container, std::move(name), layer), kind_(std::move(kind)) {}

UserControl::UserControl(Container& container, QString name, QString kind,
                         const ControlDesign& design)
    : UserControl(container, std::move(name), std::move(kind)) {
    designAs(design);
}

void UserControl::paint(QPainter& /*painter*/, QSizeF /*size*/) const {}

} // namespace qv::forms
