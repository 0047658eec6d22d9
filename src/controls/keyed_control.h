#pragma once

#include "controls/keyed_surface.h"
#include "forms/user_control.h"

namespace qv::controls {

/// A user control that shows its persistent drawing surface through a colour-keyed shape.
class KeyedControl : public forms::UserControl {
public:
    void paint(QPainter& painter, QSizeF size) const override;
    [[nodiscard]] bool hitsPixel(QPointF pixel) const override;

protected:
    KeyedControl(forms::Container& container, QString name, QString kind, QRgb key,
                 QColor background = Qt::transparent);
    /// A designed control: it takes its row when the window's design is applied.
    KeyedControl(forms::Container& container, QString name, QString kind,
                 const forms::ControlDesign& design, QRgb key, QColor background = Qt::transparent);

    /// The drawing surface, at the control's current size in whole pixels.
    [[nodiscard]] KeyedSurface& surface();
    /// Sizes the control, in its container's unit, to `picture`'s pixels.
    void sizeToPicture(const QImage& picture);

private:
    KeyedSurface surface_;
};

} // namespace qv::controls
