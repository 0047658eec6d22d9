#include "forms/qt/qt_window_system.h"

#include "forms/fonts.h"
#include "forms/form.h"
#include "forms/form_host.h"

#include <QApplication>
#include <QWindow>

namespace qv::forms::qt {

namespace {

// A window may be closing itself (its close button unloads the form): it lets go of the form
// at once and is deleted from the event loop.
void deleteLater(FormWidget* widget) {
    widget->detach();
    widget->hide();
    widget->deleteLater();
}

} // namespace

QtWindowSystem::QtWindowSystem(FormHost& host) : host_(&host) {
    host_->setWindowSystem(this);
    // Widgets lay out their text as they are made, before they are given their control's font:
    // with the forms' own default font that first layout loads no font the forms do not use.
    QApplication::setFont(pixelFont(defaultFont()));
}

QtWindowSystem::~QtWindowSystem() {
    host_->setWindowSystem(nullptr);
}

void QtWindowSystem::registerWidgetFactory(const QString& kind, WidgetFactory factory) {
    factories_[kind] = std::move(factory);
}

FormWidget* QtWindowSystem::widgetOf(const Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second.get();
}

void QtWindowSystem::formShown(Form& form) {
    FormWidget* window = widgetOf(form);
    if (window == nullptr) {
        window = new FormWidget(form, FormWidget::Mode::OnScreen, &factories_);
        windows_.emplace(&form,
                         std::unique_ptr<FormWidget, void (*)(FormWidget*)>(window, &deleteLater));
        if (FormWidget* owner = form.owner() != nullptr ? widgetOf(*form.owner()) : nullptr) {
            window->setParent(owner, window->windowFlags());
        }
    }
    window->syncNow();
}

void QtWindowSystem::formUnloaded(Form& form) {
    windows_.erase(&form);
}

void QtWindowSystem::beginMove(Form& form) {
    if (FormWidget* window = widgetOf(form);
        window != nullptr && window->windowHandle() != nullptr) {
        window->windowHandle()->startSystemMove();
    }
}

void QtWindowSystem::focusChanged(Form& form) {
    if (FormWidget* window = widgetOf(form)) {
        window->focusActiveControl();
    }
}

void QtWindowSystem::refresh(Form& form) {
    if (FormWidget* window = widgetOf(form)) {
        window->syncNow();
        window->repaint();
    }
}

} // namespace qv::forms::qt
