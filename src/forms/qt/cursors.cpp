#include "forms/qt/cursors.h"

#include "forms/control.h"

#include <QPixmap>

#include <array>

namespace qv::forms::qt {

namespace {

// MousePointer 0..15 as the platform numbers them.
constexpr std::array<Qt::CursorShape, 16> kShapes{
    Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
    Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
    Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
    Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};

} // namespace

QCursor cursorFor(const Control& control) {
    const int pointer = control.mousePointer();
    if (pointer == pointer::kCustom) {
        return control.mouseIcon().isNull()
                   ? QCursor(Qt::ArrowCursor)
                   : QCursor(QPixmap::fromImage(control.mouseIcon()), 0, 0);
    }
    if (pointer >= 0 && pointer < static_cast<int>(kShapes.size())) {
        return {kShapes[static_cast<std::size_t>(pointer)]};
    }
    return {Qt::ArrowCursor};
}

} // namespace qv::forms::qt
