#pragma once

#include <QWidget>

namespace qv::forms {
class Container;
class UserControl;
} // namespace qv::forms

namespace qv::forms::qt {

class FormWidget;

/// A painted widget whose mouse input and tooltips the form's router handles.
class RoutedWidget : public QWidget {
    Q_OBJECT
public:
    RoutedWidget(FormWidget& window, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    FormWidget* window_;
};

/// Shows one container (the form's inner area or a picture box): its surface and its windowless
/// controls.
class SurfaceWidget : public RoutedWidget {
    Q_OBJECT
public:
    SurfaceWidget(Container& container, FormWidget& window, QWidget* parent);

    [[nodiscard]] Container& container() const { return *container_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Container* container_;
};

/// A windowed user control without a widget of its own: it paints itself.
class UserControlWidget : public RoutedWidget {
    Q_OBJECT
public:
    UserControlWidget(UserControl& control, FormWidget& window, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    UserControl* control_;
};

} // namespace qv::forms::qt
