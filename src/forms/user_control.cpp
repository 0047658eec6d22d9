#include "forms/user_control.h"

namespace qv::forms {

UserControl::UserControl(Container& container, QString name, QString kind, Layer layer)
    : Control(container, std::move(name), layer), kind_(std::move(kind)) {}

void UserControl::paint(QPainter& /*painter*/, QSizeF /*size*/) const {}

} // namespace qv::forms
