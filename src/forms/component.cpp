#include "forms/component.h"

#include "forms/control_array_base.h"
#include "forms/form.h"

namespace qv::forms {

Component::Component(Form& form, QString name) : form_(&form), name_(std::move(name)) {}

void Component::setTag(const QString& tag) {
    assign(tag_, tag);
}

void Component::setEnabled(bool enabled) {
    assign(enabled_, enabled);
}

void Component::changed() {
    ++revision_;
    form_->noteChange();
}

void Component::copyComponentPropertiesFrom(const Component& other) {
    tag_ = other.tag_;
    enabled_ = other.enabled_;
    changed();
}

// A handler may replace its own slot or unload the form; the copy keeps the call valid.
template <class Own, class Shared, class... Args>
void Component::raise(Own ControlEvents::*own, Shared IndexedControlEvents::*shared,
                      Args&&... args) {
    if (array_ != nullptr) {
        const auto slot = array_->events.*shared;
        if (slot) {
            slot(index_, std::forward<Args>(args)...);
        }
        return;
    }
    const auto slot = eventSlots().*own;
    if (slot) {
        slot(std::forward<Args>(args)...);
    }
}

void Component::raiseClick() {
    raise(&ControlEvents::click, &IndexedControlEvents::click);
}
void Component::raiseDblClick() {
    raise(&ControlEvents::dblClick, &IndexedControlEvents::dblClick);
}
void Component::raiseMouseDown(int button, int shift, double x, double y) {
    raise(&ControlEvents::mouseDown, &IndexedControlEvents::mouseDown, button, shift, x, y);
}
void Component::raiseMouseMove(int button, int shift, double x, double y) {
    raise(&ControlEvents::mouseMove, &IndexedControlEvents::mouseMove, button, shift, x, y);
}
void Component::raiseMouseUp(int button, int shift, double x, double y) {
    raise(&ControlEvents::mouseUp, &IndexedControlEvents::mouseUp, button, shift, x, y);
}
void Component::raiseKeyDown(int& keyCode, int shift) {
    raise(&ControlEvents::keyDown, &IndexedControlEvents::keyDown, keyCode, shift);
}
void Component::raiseKeyUp(int& keyCode, int shift) {
    raise(&ControlEvents::keyUp, &IndexedControlEvents::keyUp, keyCode, shift);
}
void Component::raiseKeyPress(int& keyAscii) {
    raise(&ControlEvents::keyPress, &IndexedControlEvents::keyPress, keyAscii);
}
void Component::raiseGotFocus() {
    raise(&ControlEvents::gotFocus, &IndexedControlEvents::gotFocus);
}
void Component::raiseLostFocus() {
    raise(&ControlEvents::lostFocus, &IndexedControlEvents::lostFocus);
}
void Component::raiseChange() {
    raise(&ControlEvents::change, &IndexedControlEvents::change);
}
void Component::raiseTimer() {
    raise(&ControlEvents::timer, &IndexedControlEvents::timer);
}

void ControlArrayBase::adopt(Component& element, int index) {
    element.array_ = this;
    element.index_ = index;
}

void Component::mouseDownInput(int button, int shift, double x, double y) {
    raiseMouseDown(button, shift, x, y);
}
void Component::mouseMoveInput(int button, int shift, double x, double y) {
    raiseMouseMove(button, shift, x, y);
}
void Component::mouseUpInput(int button, int shift, double x, double y) {
    raiseMouseUp(button, shift, x, y);
}
void Component::clickInput() {
    raiseClick();
}
void Component::dblClickInput() {
    raiseDblClick();
}

} // namespace qv::forms
