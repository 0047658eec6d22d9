#pragma once

namespace qv::forms {

class Form;

/// What the form runtime asks of whatever shows its forms on a screen. Without one (in model
/// tests) forms keep their state and nothing is drawn.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    /// The form became visible; from now on its changes reach the window through the form's
    /// change listener until `formUnloaded`.
    virtual void formShown(Form& form) = 0;
    /// The form is being unloaded; its window goes.
    virtual void formUnloaded(Form& form) = 0;
    /// Lets the user drag the form's window with the mouse button that is down.
    virtual void beginMove(Form& form) = 0;
    /// Gives the keyboard focus to the window of the control the form made active.
    virtual void focusChanged(Form& form) = 0;
    /// Repaints the form's window now, without waiting for the event loop.
    virtual void refresh(Form& /*form*/) {}
};

} // namespace qv::forms
