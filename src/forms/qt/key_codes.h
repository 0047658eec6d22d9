#pragma once

class QKeyEvent;
class QInputEvent;

namespace qv::forms::qt {

/// The Windows virtual-key code of a Qt key event, or 0 for keys that have none.
[[nodiscard]] int windowsKeyCode(const QKeyEvent& event);
/// The character code KeyPress receives for a key event, or 0 when it types nothing.
[[nodiscard]] int keyAscii(const QKeyEvent& event);
/// Shift, Ctrl and Alt as the event handlers' shift argument (1, 2, 4).
[[nodiscard]] int shiftState(const QInputEvent& event);

} // namespace qv::forms::qt
