#pragma once

#include "forms/qt/form_widget.h"
#include "forms/window_system.h"

#include <map>
#include <memory>

namespace qv::forms {
class FormHost;
}

namespace qv::forms::qt {

/// Shows the host's forms as Qt windows: one FormWidget per visible or once-shown form, gone
/// when the form is unloaded. Attaches itself to the host for its lifetime.
class QtWindowSystem : public WindowSystem {
public:
    explicit QtWindowSystem(FormHost& host);
    QtWindowSystem(const QtWindowSystem&) = delete;
    QtWindowSystem& operator=(const QtWindowSystem&) = delete;
    ~QtWindowSystem() override;

    /// Gives user controls of `kind` a widget of their own (a web view) instead of painting.
    void registerWidgetFactory(const QString& kind, WidgetFactory factory);
    /// The window of `form`, or null when it was never shown.
    [[nodiscard]] FormWidget* widgetOf(const Form& form) const;

    void formShown(Form& form) override;
    void formUnloaded(Form& form) override;
    void beginMove(Form& form) override;
    void focusChanged(Form& form) override;
    void refresh(Form& form) override;

private:
    FormHost* host_;
    WidgetFactories factories_;
    std::map<const Form*, std::unique_ptr<FormWidget, void (*)(FormWidget*)>> windows_;
};

} // namespace qv::forms::qt
