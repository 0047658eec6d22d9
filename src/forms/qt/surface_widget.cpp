#include "forms/qt/surface_widget.h"

#include "forms/container.h"
#include "forms/qt/form_widget.h"
#include "forms/qt/surface_painter.h"
#include "forms/user_control.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qv::forms::qt {

RoutedWidget::RoutedWidget(FormWidget& window, QWidget* parent)
    : QWidget(parent), window_(&window) {
    setMouseTracking(true);
}

void RoutedWidget::mousePressEvent(QMouseEvent* event) {
    window_->routeMouse(*this, *event, FormWidget::MouseAction::Press);
}

void RoutedWidget::mouseMoveEvent(QMouseEvent* event) {
    window_->routeMouse(*this, *event, FormWidget::MouseAction::Move);
}

void RoutedWidget::mouseReleaseEvent(QMouseEvent* event) {
    window_->routeMouse(*this, *event, FormWidget::MouseAction::Release);
}

void RoutedWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    window_->routeMouse(*this, *event, FormWidget::MouseAction::DoubleClick);
}

bool RoutedWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        return window_->showToolTip(*this, *static_cast<QHelpEvent*>(event));
    }
    return QWidget::event(event);
}

SurfaceWidget::SurfaceWidget(Container& container, FormWidget& window, QWidget* parent)
    : RoutedWidget(window, parent), container_(&container) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void SurfaceWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintSurface(painter, *container_);
}

UserControlWidget::UserControlWidget(UserControl& control, FormWidget& window, QWidget* parent)
    : RoutedWidget(window, parent), control_(&control) {}

void UserControlWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    control_->paint(painter, size());
}

} // namespace qv::forms::qt
