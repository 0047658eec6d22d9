#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QSize>

class QPainter;

namespace qv::controls {

/// A control's persistent drawing surface in pixels, shown through a shape: wherever the shape
/// picture has the key colour, the control shows nothing and takes no mouse. Until a shape is
/// given, and again after `shapeFromSurface`, the surface itself is the shape.
class KeyedSurface {
public:
    /// `background` fills the surface where nothing was drawn yet.
    explicit KeyedSurface(QRgb key, QColor background = Qt::transparent)
        : key_(key), background_(background) {}

    /// Follows the control's size; what was drawn stays at its place.
    void resize(QSize size);
    [[nodiscard]] QSize size() const { return image_.size(); }

    /// The surface to draw on; call `drawn` when done.
    [[nodiscard]] QImage& image() { return image_; }
    void drawn() { shown_ = QImage(); }
    /// Fills the whole surface with `color` (transparent by default).
    void clear(QColor color = Qt::transparent);

    /// The outline of the control from now on: `shape`'s key-coloured pixels are see-through.
    void setShape(const QImage& shape);
    /// The surface, as drawn from now on, is the outline.
    void shapeFromSurface();

    [[nodiscard]] bool hits(QPoint pixel) const;
    void paint(QPainter& painter) const;

private:
    [[nodiscard]] const QImage& shape() const { return shape_.isNull() ? image_ : shape_; }

    QRgb key_;
    QColor background_;
    QImage image_;
    QImage shape_;
    /// The surface cut by the shape, made when first painted after a change.
    mutable QImage shown_;
};

} // namespace qv::controls
