#include "controls/keyed_control.h"

#include "forms/container.h"

#include <cmath>

namespace qv::controls {

KeyedControl::KeyedControl(forms::Container& container, QString name, QString kind, QRgb key,
                           QColor background)
    : UserControl(container, std::move(name), std::move(kind)), surface_(key, background) {}

KeyedControl::KeyedControl(forms::Container& container, QString name, QString kind,
                           const forms::ControlDesign& design, QRgb key, QColor background)
    : UserControl(container, std::move(name), std::move(kind), design), surface_(key, background) {}

KeyedSurface& KeyedControl::surface() {
    const QSizeF size = pixelRect().size();
    surface_.resize({static_cast<int>(std::lround(size.width())),
                     static_cast<int>(std::lround(size.height()))});
    return surface_;
}

void KeyedControl::sizeToPicture(const QImage& picture) {
    const forms::Container& parent = container();
    move(left(), top(), parent.widthFromPixels(picture.width()),
         parent.heightFromPixels(picture.height()));
}

void KeyedControl::paint(QPainter& painter, QSizeF /*size*/) const {
    surface_.paint(painter);
}

bool KeyedControl::hitsPixel(QPointF pixel) const {
    return surface_.hits(
        {static_cast<int>(std::floor(pixel.x())), static_cast<int>(std::floor(pixel.y()))});
}

} // namespace qv::controls
