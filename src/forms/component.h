#pragma once

#include "forms/events.h"

#include <QString>

#include <cstdint>
#include <utility>

namespace qv::forms {

class ControlArrayBase;
class Form;

/// What every control and every form has: a name, an index within its control array, Tag,
/// Enabled, a revision that counts its changes, and the raising of its events.
class Component {
public:
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    virtual ~Component() = default;

    [[nodiscard]] const QString& name() const { return name_; }
    /// The element's index in its control array, or -1 for a control that is not in one.
    [[nodiscard]] int index() const { return index_; }
    [[nodiscard]] Form& form() const { return *form_; }

    [[nodiscard]] const QString& tag() const { return tag_; }
    void setTag(const QString& tag);
    [[nodiscard]] bool enabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);

    /// Grows by one with every change of the component; renderers compare it to skip work.
    [[nodiscard]] std::uint64_t revision() const { return revision_; }

    /// The component's own handler slots (a control array's elements raise through the array's).
    [[nodiscard]] virtual ControlEvents& eventSlots() = 0;

    void raiseClick();
    void raiseDblClick();
    void raiseMouseDown(int button, int shift, double x, double y);
    void raiseMouseMove(int button, int shift, double x, double y);
    void raiseMouseUp(int button, int shift, double x, double y);
    void raiseKeyDown(int& keyCode, int shift);
    void raiseKeyUp(int& keyCode, int shift);
    void raiseKeyPress(int& keyAscii);
    void raiseGotFocus();
    void raiseLostFocus();
    void raiseChange();
    void raiseTimer();

    /// What the window's mouse input does to the component: each raises its event. A control
    /// with reactions of its own to the mouse overrides them.
    virtual void mouseDownInput(int button, int shift, double x, double y);
    virtual void mouseMoveInput(int button, int shift, double x, double y);
    virtual void mouseUpInput(int button, int shift, double x, double y);
    virtual void clickInput();
    virtual void dblClickInput();

protected:
    Component(Form& form, QString name);

    /// Records a change and tells the form, which tells whoever draws it.
    void changed();

    /// Assigns and records a change only when the value differs.
    template <class T, class U>
    bool assign(T& member, U&& value) {
        if (member == value) {
            return false;
        }
        member = std::forward<U>(value);
        changed();
        return true;
    }

    void copyComponentPropertiesFrom(const Component& other);

private:
    friend class ControlArrayBase;
    friend class Container;

    template <class Own, class Shared, class... Args>
    void raise(Own ControlEvents::*own, Shared IndexedControlEvents::*shared, Args&&... args);

    Form* form_;
    QString name_;
    int index_ = -1;
    ControlArrayBase* array_ = nullptr;
    QString tag_;
    bool enabled_ = true;
    std::uint64_t revision_ = 0;
};

} // namespace qv::forms
