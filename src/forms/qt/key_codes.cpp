#include "forms/qt/key_codes.h"

#include "forms/events.h"

#include <QKeyEvent>

#include <array>
#include <utility>

namespace qv::forms::qt {

namespace {

// Keys whose virtual-key code is not their letter or digit.
constexpr std::array<std::pair<int, int>, 27> kNamedKeys{{
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},        {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},    {Qt::Key_Enter, 0x0D},      {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},   {Qt::Key_Alt, 0x12},        {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},  {Qt::Key_Escape, 0x1B},     {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},    {Qt::Key_PageDown, 0x22},   {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},      {Qt::Key_Left, 0x25},       {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},     {Qt::Key_Down, 0x28},       {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},    {Qt::Key_Meta, 0x5B},       {Qt::Key_Menu, 0x5D},
    {Qt::Key_NumLock, 0x90},   {Qt::Key_ScrollLock, 0x91}, {Qt::Key_Print, 0x2C},
}};

constexpr int kNumpad0 = 0x60;
constexpr int kF1 = 0x70;

} // namespace

int windowsKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return (event.modifiers() & Qt::KeypadModifier) != 0 ? kNumpad0 + (key - Qt::Key_0) : key;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return kF1 + (key - Qt::Key_F1);
    }
    for (const auto& [qtKey, code] : kNamedKeys) {
        if (qtKey == key) {
            return code;
        }
    }
    return 0;
}

int keyAscii(const QKeyEvent& event) {
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.front().unicode();
}

int shiftState(const QInputEvent& event) {
    int state = 0;
    if ((event.modifiers() & Qt::ShiftModifier) != 0) {
        state |= shift::kShift;
    }
    if ((event.modifiers() & Qt::ControlModifier) != 0) {
        state |= shift::kCtrl;
    }
    if ((event.modifiers() & Qt::AltModifier) != 0) {
        state |= shift::kAlt;
    }
    return state;
}

} // namespace qv::forms::qt
