#include "forms/qt/surface_widget.h"

#include "forms/container.h"
#include "forms/qt/form_widget.h"
#include "forms/qt/surface_painter.h"
#include "forms/user_control.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qv::forms::qt {

SurfaceWidget::SurfaceWidget(Container& container, FormWidget& window, QWidget* parent)
    : QWidget(parent), container_(&container), window_(&window) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void SurfaceWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintSurface(painter, *container_);
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
    window_->routeMouse(*this, *event, FormWidget::MouseAction::Press);
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
    window_->routeMouse(*this, *event, FormWidget::MouseAction::Move);
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
    window_->routeMouse(*this, *event, FormWidget::MouseAction::Release);
}

void SurfaceWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    window_->routeMouse(*this, *event, FormWidget::MouseAction::DoubleClick);
}

bool SurfaceWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        return window_->showToolTip(*this, *static_cast<QHelpEvent*>(event));
    }
    return QWidget::event(event);
}

UserControlWidget::UserControlWidget(UserControl& control, FormWidget& window, QWidget* parent)
    : QWidget(parent), control_(&control), window_(&window) {
    setMouseTracking(true);
}

void UserControlWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    control_->paint(painter, size());
}

void UserControlWidget::mousePressEvent(QMouseEvent* event) {
    window_->routeMouse(*this, *event, FormWidget::MouseAction::Press);
}

void UserControlWidget::mouseMoveEvent(QMouseEvent* event) {
    window_->routeMouse(*this, *event, FormWidget::MouseAction::Move);
}

void UserControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    window_->routeMouse(*this, *event, FormWidget::MouseAction::Release);
}

void UserControlWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    window_->routeMouse(*this, *event, FormWidget::MouseAction::DoubleClick);
}

} // namespace qv::forms::qt
