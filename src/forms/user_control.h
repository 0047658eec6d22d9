#pragma once

#include "forms/control.h"

#include <QSizeF>

class QPainter;

namespace qv::forms {

/// The base of the game's own controls (animated pictures, picture buttons, banners...): a
/// control of a given kind that paints itself. Windowed by default, like the platform's user
/// controls; the renderer may host a real widget for a kind it knows (a web view).
class UserControl : public Control {
public:
    UserControl(Container& container, QString name, QString kind, Layer layer = Layer::Windowed);
    /// A designed control of the kind: it takes its row when the window's design is applied.
    UserControl(Container& container, QString name, QString kind, const ControlDesign& design);

    [[nodiscard]] const QString& kind() const { return kind_; }

    /// Paints the control onto `painter`, whose origin is the control's top-left pixel and whose
    /// area is `size` pixels. The default paints nothing.
    virtual void paint(QPainter& painter, QSizeF size) const;
    /// Copies every property but Visible (a control array's new element).
    void copyPropertiesFrom(const UserControl& other) { copyControlPropertiesFrom(other); }

private:
    QString kind_;
};

} // namespace qv::forms
