#pragma once

#include "forms/input_router.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <typeinfo>
#include <unordered_map>

class QHelpEvent;
class QMouseEvent;

namespace qv::forms {
class Container;
class Control;
class Form;
class UserControl;
} // namespace qv::forms

namespace qv::forms::qt {

class SurfaceWidget;

/// Makes the widget of a user-control kind that needs a real one (a web view); the form widget
/// keeps its position, size and visibility in step with the control.
using WidgetFactory = std::function<QWidget*(UserControl& control, QWidget* parent)>;
using WidgetFactories = std::map<QString, WidgetFactory>;

/// The window of one form: the form's surface, a widget per windowed control (picture boxes
/// painted, list and text boxes as Qt's own), kept in step with the model whenever the form
/// reports a change, and the input of all of them routed into the form's events.
class FormWidget : public QWidget {
    Q_OBJECT
public:
    enum class Mode {
        /// A window on the screen that follows the form's changes.
        OnScreen,
        /// Only for drawing into an image: never shown, not listening.
        Offscreen,
    };

    explicit FormWidget(Form& form, Mode mode = Mode::OnScreen,
                        const WidgetFactories* factories = nullptr);
    ~FormWidget() override;

    [[nodiscard]] Form& form() const { return *form_; }
    /// Brings every widget in line with the model now.
    void syncNow();
    /// Lets go of the form for good (it is being unloaded): no more syncing or input.
    void detach();
    /// Gives the Qt focus to the widget of the form's active control.
    void focusActiveControl();

    enum class MouseAction { Press, Move, Release, DoubleClick };
    /// Input from `from` (this window or one of its child widgets) into the form's events.
    void routeMouse(QWidget& from, const QMouseEvent& event, MouseAction action);
    bool showToolTip(QWidget& from, const QHelpEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    struct Child {
        QPointer<QWidget> widget;
        /// The control's class, so a new control at a freed control's address gets its own widget.
        const std::type_info* type = nullptr;
        std::uint64_t revision = 0;
        bool fresh = true;
    };

    void scheduleSync();
    /// Tells the form, once, that its window has been drawn.
    void reportDrawn();
    void syncWindow();
    /// Frame, title, icon, opacity and outline: only when the form itself changed.
    void syncWindowLook();
    void syncContainer(Container& container, QWidget& surface);
    QWidget& widgetFor(Control& control, QWidget& parent);
    QWidget* createWidget(Control& control, QWidget& parent);
    void syncControl(Control& control, Child& child);
    [[nodiscard]] Control* controlOf(const QObject* widget) const;
    /// Runs the key handlers; true when the key must not reach `receiver` as it is.
    bool routeKey(QObject* receiver, const QKeyEvent& event, bool press);
    /// Whether `watched` is the first of this window's widgets a key event reaches: the one
    /// nearest the focus (Qt hands a key that a widget leaves on to its parent, through the filter
    /// again).
    [[nodiscard]] bool firstKeyReceiver(const QObject* watched) const;

    Form* form_;
    Mode mode_;
    const WidgetFactories* factories_;
    InputRouter router_;
    SurfaceWidget* surface_;
    std::unordered_map<Control*, Child> children_;
    std::uint64_t windowRevision_ = std::numeric_limits<std::uint64_t>::max();
    Qt::WindowFlags appliedFlags_;
    bool syncQueued_ = false;
    bool syncing_ = false;
    bool detached_ = false;
    bool drawnReported_ = false;
    bool picturesReadAhead_ = false;
    bool replayingKey_ = false;
};

} // namespace qv::forms::qt
