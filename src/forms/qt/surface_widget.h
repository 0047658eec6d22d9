#pragma once

#include <QWidget>

namespace qv::forms {
class Container;
class UserControl;
} // namespace qv::forms

namespace qv::forms::qt {

class FormWidget;

/// Shows one container (the form's inner area or a picture box): paints its surface and its
/// windowless controls and hands its mouse input to the form's router.
class SurfaceWidget : public QWidget {
    Q_OBJECT
public:
    SurfaceWidget(Container& container, FormWidget& window, QWidget* parent);

    [[nodiscard]] Container& container() const { return *container_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    Container* container_;
    FormWidget* window_;
};

/// A windowed user control without a widget of its own: it paints itself.
class UserControlWidget : public QWidget {
    Q_OBJECT
public:
    UserControlWidget(UserControl& control, FormWidget& window, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    UserControl* control_;
    FormWidget* window_;
};

} // namespace qv::forms::qt
