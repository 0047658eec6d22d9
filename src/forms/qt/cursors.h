#pragma once

#include <QCursor>

namespace qv::forms {
class Control;
}

namespace qv::forms::qt {

/// The Qt cursor for a control's MousePointer (its MouseIcon for 99).
[[nodiscard]] QCursor cursorFor(const Control& control);

} // namespace qv::forms::qt
