#pragma once

#include "forms/events.h"

#include <QString>

namespace qv::forms {

class Component;

/// The part of a control array that does not depend on the element type: its name and the
/// handler slots its elements share, which receive the element's index first.
class ControlArrayBase {
public:
    ControlArrayBase(const ControlArrayBase&) = delete;
    ControlArrayBase& operator=(const ControlArrayBase&) = delete;

    [[nodiscard]] const QString& name() const { return name_; }

    IndexedControlEvents events;

protected:
    explicit ControlArrayBase(QString name) : name_(std::move(name)) {}
    ~ControlArrayBase() = default;

    /// Makes `element` element `index` of this array.
    void adopt(Component& element, int index);

private:
    QString name_;
};

} // namespace qv::forms
