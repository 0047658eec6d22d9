#pragma once

#include <QPointF>

namespace qv::forms {

class Component;
class Form;

/// Turns a form's raw mouse and key input into its controls' events: a mouse event goes to the
/// topmost visible, enabled control under the point, else to the form or picture box beneath;
/// the control that got the button press keeps the mouse until the buttons are up. Keys go to
/// the control with the focus (the form first when it previews keys, the form alone when no
/// control has the focus). Points are in the form's pixels.
class InputRouter {
public:
    explicit InputRouter(Form& form) : form_(&form) {}

    void mousePress(QPointF pixel, int button, int shift);
    void mouseMove(QPointF pixel, int buttons, int shift);
    void mouseRelease(QPointF pixel, int button, int shift);
    /// The second press of a double click: DblClick instead of MouseDown.
    void mouseDoubleClick(QPointF pixel, int button, int shift);

    /// Each returns false when a handler cancelled the key by setting it to 0; KeyPress may also
    /// change the character.
    bool keyDown(int keyCode, int shift);
    bool keyUp(int keyCode, int shift);
    bool keyPress(int& keyAscii);

    /// What a mouse event at `pixel` would reach: a control, or the form or picture box beneath.
    [[nodiscard]] Component& targetAt(QPointF pixel) const;

private:
    /// (x, y) of `pixel` in the unit the target's mouse events use.
    [[nodiscard]] QPointF toTargetUnits(const Component& target, QPointF pixel) const;
    [[nodiscard]] Component& keyTarget() const;

    Form* form_;
    Component* captured_ = nullptr;
    int buttonsDown_ = 0;
    bool afterDoubleClick_ = false;
};

} // namespace qv::forms
