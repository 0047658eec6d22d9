#include "forms/control.h"
#include "forms/form.h"
#include "forms/qt/cursors.h"
#include "forms/qt/form_widget.h"
#include "forms/qt/key_codes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

// The window's input: mouse, tooltips and keys of the form and all its widgets go through the
// form's router.

namespace qv::forms::qt {

namespace {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return mouse::kLeft;
    case Qt::RightButton:
        return mouse::kRight;
    case Qt::MiddleButton:
        return mouse::kMiddle;
    default:
        return 0;
    }
}

int buttonsCode(Qt::MouseButtons buttons) {
    int code = 0;
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if ((buttons & button) != 0) {
            code |= buttonCode(button);
        }
    }
    return code;
}

} // namespace

void FormWidget::routeMouse(QWidget& from, const QMouseEvent& event, MouseAction action) {
    if (detached_) {
        return;
    }
    const QPointF pixel = QPointF(from.mapTo(this, QPoint())) + event.position();
    const int shift = shiftState(event);
    switch (action) {
    case MouseAction::Press:
        router_.mousePress(pixel, buttonCode(event.button()), shift);
        break;
    case MouseAction::Move:
        if (auto* control = dynamic_cast<Control*>(&router_.targetAt(pixel))) {
            from.setCursor(cursorFor(*control));
        } else {
            from.unsetCursor();
        }
        router_.mouseMove(pixel, buttonsCode(event.buttons()), shift);
        break;
    case MouseAction::Release:
        router_.mouseRelease(pixel, buttonCode(event.button()), shift);
        break;
    case MouseAction::DoubleClick:
        router_.mouseDoubleClick(pixel, buttonCode(event.button()), shift);
        break;
    }
}

bool FormWidget::showToolTip(QWidget& from, const QHelpEvent& event) {
    if (detached_) {
        return false;
    }
    const QPointF pixel = QPointF(from.mapTo(this, event.pos()));
    const auto* control = dynamic_cast<const Control*>(&router_.targetAt(pixel));
    if (control == nullptr || control->toolTipText().isEmpty()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(event.globalPos(), control->toolTipText(), &from);
    return true;
}

bool FormWidget::routeKey(QObject* receiver, const QKeyEvent& event, bool press) {
    if (!press) {
        router_.keyUp(windowsKeyCode(event), shiftState(event));
        return false;
    }
    router_.keyDown(windowsKeyCode(event), shiftState(event));
    int ascii = keyAscii(event);
    if (ascii == 0) {
        return false;
    }
    const int typed = ascii;
    if (!router_.keyPress(ascii)) {
        return true;
    }
    if (ascii == typed) {
        return false;
    }
    // A handler typed another character in place of this one.
    QKeyEvent replaced(QEvent::KeyPress, 0, event.modifiers(), QString(QChar(ascii)));
    replayingKey_ = true;
    QCoreApplication::sendEvent(receiver, &replaced);
    replayingKey_ = false;
    return true;
}

bool FormWidget::firstKeyReceiver(const QObject* watched) const {
    for (const QWidget* widget = QApplication::focusWidget(); widget != nullptr && widget != this;
         widget = widget->parentWidget()) {
        if (widget == surface_ || controlOf(widget) != nullptr) {
            return widget == watched;
        }
    }
    return true;
}

bool FormWidget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return !replayingKey_ && firstKeyReceiver(watched) &&
               routeKey(watched, *static_cast<QKeyEvent*>(event), true);
    case QEvent::KeyRelease:
        if (firstKeyReceiver(watched)) {
            routeKey(watched, *static_cast<QKeyEvent*>(event), false);
        }
        return false;
    case QEvent::FocusIn:
        if (Control* control = controlOf(watched)) {
            form_->setFocusTo(*control);
        } else if (Control* active = form_->activeControl(); active != nullptr) {
            form_->dropFocus(*active);
        }
        return false;
    case QEvent::Paint:
        // Whichever part is painted first: children that cover the surface spare its painting.
        reportDrawn();
        return false;
    default:
        return false;
    }
}

} // namespace qv::forms::qt
