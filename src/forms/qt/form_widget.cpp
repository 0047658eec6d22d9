#include "forms/qt/form_widget.h"

#include "forms/form.h"
#include "forms/form_host.h"
#include "forms/list_box.h"
#include "forms/picture_box.h"
#include "forms/qt/cursors.h"
#include "forms/qt/list_box_widget.h"
#include "forms/qt/surface_painter.h"
#include "forms/qt/surface_widget.h"
#include "forms/qt/text_box_widget.h"
#include "forms/text_box.h"
#include "forms/user_control.h"

#include <QCloseEvent>
#include <QTimer>

#include <cmath>

namespace qv::forms::qt {

namespace {

QRect roundedRect(const QRectF& rect) {
    const auto round = [](double v) {
        return static_cast<int>(std::lround(v));
    };
    return {round(rect.left()), round(rect.top()), std::max(0, round(rect.width())),
            std::max(0, round(rect.height()))};
}

} // namespace

FormWidget::FormWidget(Form& form, Mode mode, const WidgetFactories* factories)
    : form_(&form), mode_(mode), factories_(factories), router_(form),
      surface_(new SurfaceWidget(form, *this, this)) {
    surface_->setFocusPolicy(Qt::StrongFocus);
    surface_->installEventFilter(this);
    if (mode_ == Mode::OnScreen) {
        form_->setChangeListener([this] { scheduleSync(); });
    }
    syncNow();
}

void FormWidget::reportDrawn() {
    if (drawnReported_ || mode_ != Mode::OnScreen) {
        return;
    }
    drawnReported_ = true;
    // Queued, so that what waits for the drawing runs once the whole window is painted.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!detached_) {
                form_->drawn();
            }
        },
        Qt::QueuedConnection);
}

FormWidget::~FormWidget() {
    detach();
}

void FormWidget::detach() {
    if (detached_) {
        return;
    }
    detached_ = true;
    if (mode_ == Mode::OnScreen) {
        form_->setChangeListener({});
    }
    for (auto& [control, child] : children_) {
        if (child.widget != nullptr) {
            child.widget->removeEventFilter(this);
        }
    }
    surface_->removeEventFilter(this);
}

void FormWidget::scheduleSync() {
    if (syncQueued_ || syncing_) {
        return;
    }
    syncQueued_ = true;
    QTimer::singleShot(0, this, [this] { syncNow(); });
}

void FormWidget::syncNow() {
    syncQueued_ = false;
    if (detached_) {
        return;
    }
    syncing_ = true;
    if (!picturesReadAhead_ && form_->visible()) {
        // The first paint waits for every picture it shows: they are read while the widgets are
        // made.
        picturesReadAhead_ = true;
        DeferredPicture::prefetchInTurn(picturesToPaint(*form_));
    }
    syncWindow();
    for (auto& [control, child] : children_) {
        child.fresh = false;
    }
    syncContainer(*form_, *surface_);
    std::erase_if(children_, [](auto& entry) {
        if (entry.second.fresh) {
            return false;
        }
        delete entry.second.widget.data();
        return true;
    });
    syncing_ = false;
}

void FormWidget::syncWindow() {
    const QSizeF inner = form_->innerPixelSize();
    const QRect area = roundedRect(
        {twipsToPixels(form_->left()), twipsToPixels(form_->top()), inner.width(), inner.height()});
    surface_->setGeometry(QRect(QPoint(), area.size()));
    surface_->update();
    if (mode_ == Mode::Offscreen) {
        resize(area.size());
        return;
    }
    if (windowRevision_ != form_->revision()) {
        windowRevision_ = form_->revision();
        syncWindowLook();
    }
    if (geometry() != area) {
        setGeometry(area);
    }
    if (!form_->visible()) {
        hide();
        return;
    }
    switch (form_->windowState()) {
    case window_state::kMinimized:
        if (!isMinimized()) {
            showMinimized();
        }
        break;
    case window_state::kMaximized:
        if (!isMaximized()) {
            showMaximized();
        }
        break;
    default:
        if (!isVisible() || isMinimized() || isMaximized()) {
            showNormal();
        }
        break;
    }
}

void FormWidget::syncWindowLook() {
    Qt::WindowFlags flags = Qt::Window;
    if (form_->borderStyle() == 0) {
        flags |= Qt::FramelessWindowHint;
    }
    if (form_->topmost()) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    // Qt adds hints of its own to the flags it is given, so compare with what was applied.
    if (appliedFlags_ != flags) {
        appliedFlags_ = flags;
        setWindowFlags(flags);
    }
    setWindowModality(form_->modal() ? Qt::ApplicationModal : Qt::NonModal);
    setWindowTitle(form_->caption());
    setEnabled(form_->enabled());
    if (!form_->icon().isNull()) {
        setWindowIcon(QIcon(QPixmap::fromImage(form_->icon())));
    }
    setWindowOpacity(form_->opacity() / 255.0);
    if (form_->shape().isEmpty()) {
        clearMask();
    } else {
        setMask(form_->shape());
    }
}

void FormWidget::syncContainer(Container& container, QWidget& surface) {
    for (Control* control : container.windowedControls()) {
        // A window holds many controls that stay hidden for a long time or for good: a control
        // gets its widget when it is first shown.
        if (!control->visible() && !children_.contains(control)) {
            continue;
        }
        QWidget& widget = widgetFor(*control, surface);
        if (auto* box = dynamic_cast<PictureBox*>(control)) {
            syncContainer(*box, widget);
        }
        widget.raise();
    }
    surface.update();
}

QWidget& FormWidget::widgetFor(Control& control, QWidget& parent) {
    Child& child = children_[&control];
    QWidget* existing = child.widget.data();
    if (existing == nullptr || existing->parentWidget() != &parent ||
        child.type != &typeid(control)) {
        delete existing;
        QWidget* created = createWidget(control, parent);
        created->installEventFilter(this);
        child.widget = created;
        child.type = &typeid(control);
        child.revision = control.revision() - 1;
    }
    child.fresh = true;
    if (child.revision != control.revision()) {
        syncControl(control, child);
        child.revision = control.revision();
    }
    return *child.widget;
}

QWidget* FormWidget::createWidget(Control& control, QWidget& parent) {
    if (auto* box = dynamic_cast<PictureBox*>(&control)) {
        return new SurfaceWidget(*box, *this, &parent);
    }
    if (auto* list = dynamic_cast<ListBox*>(&control)) {
        return new ListBoxWidget(*list, &parent);
    }
    if (auto* text = dynamic_cast<TextBox*>(&control)) {
        if (text->multiLine()) {
            return new MultiLineTextWidget(*text, &parent);
        }
        return new LineTextWidget(*text, &parent);
    }
    if (auto* user = dynamic_cast<UserControl*>(&control)) {
        if (factories_ != nullptr) {
            if (const auto factory = factories_->find(user->kind()); factory != factories_->end()) {
                return factory->second(*user, &parent);
            }
        }
        return new UserControlWidget(*user, *this, &parent);
    }
    return new QWidget(&parent);
}

void FormWidget::syncControl(Control& control, Child& child) {
    QWidget& widget = *child.widget;
    widget.setGeometry(roundedRect(control.pixelRect()));
    widget.setToolTip(control.toolTipText());
    // A disabled control lets the mouse through to its container, as the platform does.
    widget.setAttribute(Qt::WA_TransparentForMouseEvents, !control.enabled());
    if (dynamic_cast<RoutedWidget*>(&widget) == nullptr) {
        widget.setCursor(cursorFor(control));
    }
    if (auto* view = dynamic_cast<ModelView*>(&widget)) {
        view->syncFromModel();
    }
    widget.setVisible(control.visible());
    widget.update();
}

Control* FormWidget::controlOf(const QObject* widget) const {
    for (const auto& [control, child] : children_) {
        if (child.widget == widget) {
            return control;
        }
    }
    return nullptr;
}

void FormWidget::focusActiveControl() {
    Control* active = form_->activeControl();
    const auto child = children_.find(active);
    if (child != children_.end() && child->second.widget != nullptr) {
        child->second.widget->setFocus(Qt::OtherFocusReason);
    }
}

void FormWidget::changeEvent(QEvent* event) {
    if (detached_) {
        QWidget::changeEvent(event);
        return;
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        form_->host().activate(*form_);
    } else if (event->type() == QEvent::WindowStateChange && !syncing_) {
        const Qt::WindowStates state = windowState();
        form_->setWindowState((state & Qt::WindowMinimized) != 0   ? window_state::kMinimized
                              : (state & Qt::WindowMaximized) != 0 ? window_state::kMaximized
                                                                   : window_state::kNormal);
    }
    QWidget::changeEvent(event);
}

void FormWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!detached_) {
        form_->host().unload(*form_, unload_mode::kFormControlMenu);
    }
}

void FormWidget::moveEvent(QMoveEvent* event) {
    if (!detached_ && !syncing_ && event->spontaneous() && isVisible()) {
        form_->move(pixelsToTwips(x()), pixelsToTwips(y()));
    }
    QWidget::moveEvent(event);
}

} // namespace qv::forms::qt
