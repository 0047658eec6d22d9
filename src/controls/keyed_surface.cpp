#include "controls/keyed_surface.h"

#include <QPainter>

namespace qv::controls {

void KeyedSurface::resize(QSize size) {
    if (size == image_.size()) {
        return;
    }
    QImage resized(size.expandedTo({0, 0}), QImage::Format_ARGB32_Premultiplied);
    resized.fill(background_);
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, image_);
    }
    image_ = resized;
    drawn();
}

void KeyedSurface::clear(QColor color) {
    image_.fill(color);
    drawn();
}

void KeyedSurface::setShape(const QImage& shape) {
    shape_ = shape.convertToFormat(QImage::Format_RGB32);
    drawn();
}

void KeyedSurface::shapeFromSurface() {
    shape_ = QImage();
    drawn();
}

bool KeyedSurface::hits(QPoint pixel) const {
    const QImage& outline = shape();
    return outline.valid(pixel) && (outline.pixel(pixel) & RGB_MASK) != (key_ & RGB_MASK);
}

void KeyedSurface::paint(QPainter& painter) const {
    if (image_.isNull()) {
        return;
    }
    if (shown_.isNull()) {
        shown_ = image_.copy();
        for (int y = 0; y < shown_.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(shown_.scanLine(y));
            for (int x = 0; x < shown_.width(); ++x) {
                if (!hits({x, y})) {
                    row[x] = 0;
                }
            }
        }
    }
    painter.drawImage(0, 0, shown_);
}

} // namespace qv::controls
