#pragma once

#include <functional>

namespace qv::forms {

/// Mouse buttons and shift state as the event handlers receive them.
namespace mouse {
inline constexpr int kLeft = 1;
inline constexpr int kRight = 2;
inline constexpr int kMiddle = 4;
} // namespace mouse
namespace shift {
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;
} // namespace shift
/// The key codes the handlers test by name; Esc is the same as a virtual-key code and a character.
namespace key {
inline constexpr int kEscape = 0x1B;
} // namespace key

/// The handler slots of a control. `Prefix` is empty for a single control and `int` (the element
/// index) for the slots a control array shares among its elements. Key codes are the Windows
/// virtual-key codes; a KeyPress handler that sets its character to 0 cancels it.
template <class... Prefix>
struct ControlEventSlots {
    using Plain = std::function<void(Prefix...)>;
    using Mouse = std::function<void(Prefix..., int button, int shift, double x, double y)>;
    using Key = std::function<void(Prefix..., int& keyCode, int shift)>;
    using Char = std::function<void(Prefix..., int& keyAscii)>;

    Plain click;
    Plain dblClick;
    Mouse mouseDown;
    Mouse mouseMove;
    Mouse mouseUp;
    Key keyDown;
    Key keyUp;
    Char keyPress;
    Plain gotFocus;
    Plain lostFocus;
    Plain change;
    Plain timer;
};

using ControlEvents = ControlEventSlots<>;
using IndexedControlEvents = ControlEventSlots<int>;

/// The handler slots of a form beyond those of a control. QueryUnload's mode is 0 when the user
/// closed the window and 1 when code unloads it; setting `cancel` non-zero keeps the form.
struct FormEvents : ControlEvents {
    std::function<void()> load;
    std::function<void(int& cancel)> unload;
    std::function<void(int& cancel, int unloadMode)> queryUnload;
    std::function<void()> activate;
    std::function<void()> deactivate;
    std::function<void()> resize;
};

/// Why a form is being unloaded, as QueryUnload receives it.
namespace unload_mode {
inline constexpr int kFormControlMenu = 0;
inline constexpr int kFormCode = 1;
} // namespace unload_mode

} // namespace qv::forms
