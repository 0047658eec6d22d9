#include "forms/input_router.h"

#include "forms/control.h"
#include "forms/events.h"
#include "forms/form.h"

namespace qv::forms {

namespace {

/// A press on a windowed control gives it the focus.
void focusWindowed(Component& target) {
    if (auto* control = dynamic_cast<Control*>(&target);
        control != nullptr && control->layer() == Layer::Windowed) {
        control->setFocus();
    }
}

} // namespace

Component& InputRouter::targetAt(QPointF pixel) const {
    if (Control* control = form_->hitTest(pixel)) {
        return *control;
    }
    return *form_;
}

QPointF InputRouter::toTargetUnits(const Component& target, QPointF pixel) const {
    if (const auto* container = dynamic_cast<const Container*>(&target)) {
        const QPointF inner = pixel - container->originInForm();
        return {container->xFromPixels(inner.x()), container->yFromPixels(inner.y())};
    }
    const auto& control = dynamic_cast<const Control&>(target);
    const Container& parent = control.container();
    const QPointF inner = pixel - parent.originInForm() - control.pixelRect().topLeft();
    return {parent.widthFromPixels(inner.x()), parent.heightFromPixels(inner.y())};
}

void InputRouter::mousePress(QPointF pixel, int button, int shift) {
    Component& target = captured_ != nullptr ? *captured_ : targetAt(pixel);
    captured_ = &target;
    buttonsDown_ |= button;
    afterDoubleClick_ = false;
    focusWindowed(target);
    const QPointF at = toTargetUnits(target, pixel);
    target.mouseDownInput(button, shift, at.x(), at.y());
}

void InputRouter::mouseMove(QPointF pixel, int buttons, int shift) {
    Component& target = captured_ != nullptr ? *captured_ : targetAt(pixel);
    const QPointF at = toTargetUnits(target, pixel);
    target.mouseMoveInput(buttons, shift, at.x(), at.y());
}

void InputRouter::mouseRelease(QPointF pixel, int button, int shift) {
    Component& target = captured_ != nullptr ? *captured_ : targetAt(pixel);
    buttonsDown_ &= ~button;
    if (buttonsDown_ == 0) {
        captured_ = nullptr;
    }
    const QPointF at = toTargetUnits(target, pixel);
    target.mouseUpInput(button, shift, at.x(), at.y());
    const bool clicked =
        button == mouse::kLeft && !afterDoubleClick_ && &targetAt(pixel) == &target;
    afterDoubleClick_ = false;
    if (clicked) {
        target.clickInput();
    }
}

void InputRouter::mouseDoubleClick(QPointF pixel, int button, int shift) {
    Component& target = targetAt(pixel);
    captured_ = &target;
    buttonsDown_ |= button;
    afterDoubleClick_ = true;
    if (button == mouse::kLeft) {
        target.dblClickInput();
    } else {
        const QPointF at = toTargetUnits(target, pixel);
        target.mouseDownInput(button, shift, at.x(), at.y());
    }
}

Component& InputRouter::keyTarget() const {
    if (Control* control = form_->activeControl()) {
        return *control;
    }
    return *form_;
}

bool InputRouter::keyDown(int keyCode, int shift) {
    Component& target = keyTarget();
    if (form_->keyPreview() && &target != form_) {
        form_->raiseKeyDown(keyCode, shift);
    }
    if (keyCode != 0) {
        target.raiseKeyDown(keyCode, shift);
    }
    return keyCode != 0;
}

bool InputRouter::keyUp(int keyCode, int shift) {
    Component& target = keyTarget();
    if (form_->keyPreview() && &target != form_) {
        form_->raiseKeyUp(keyCode, shift);
    }
    if (keyCode != 0) {
        target.raiseKeyUp(keyCode, shift);
    }
    return keyCode != 0;
}

bool InputRouter::keyPress(int& keyAscii) {
    Component& target = keyTarget();
    if (form_->keyPreview() && &target != form_) {
        form_->raiseKeyPress(keyAscii);
    }
    if (keyAscii != 0) {
        target.raiseKeyPress(keyAscii);
    }
    return keyAscii != 0;
}

} // namespace qv::forms
