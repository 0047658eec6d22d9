#include "forms/qt/surface_painter.h"

#include "forms/container.h"
#include "forms/control.h"
#include "forms/fonts.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/user_control.h"

#include <QPainter>

namespace qv::forms::qt {

namespace {

void paintImage(QPainter& painter, const Image& image, const QRectF& rect) {
    if (image.picture().isNull()) {
        return;
    }
    if (image.stretch()) {
        painter.drawImage(rect, image.picture());
        return;
    }
    painter.save();
    painter.setClipRect(rect);
    painter.drawImage(rect.topLeft(), image.picture());
    painter.restore();
}

void paintLabel(QPainter& painter, const Label& label, const QRectF& rect) {
    if (label.backStyle() != 0) {
        painter.fillRect(rect, toQColor(label.backColor()));
    }
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(pixelFont(label.font()));
    painter.setPen(toQColor(label.foreColor()));
    painter.drawText(rect, label.textFlags(), label.displayText());
    painter.restore();
}

void paintUserControl(QPainter& painter, const UserControl& control, const QRectF& rect) {
    painter.save();
    painter.translate(rect.topLeft());
    painter.setClipRect(QRectF(QPointF(), rect.size()));
    control.paint(painter, rect.size());
    painter.restore();
}

// What lies outside the surface would be clipped away: its picture is not even read.
bool isPainted(const Control& control, const QRectF& area) {
    return control.visible() && control.pixelRect().intersects(area);
}

void collectPicturesToPaint(const Container& container, std::vector<DeferredPicture>& pictures) {
    const QRectF area(QPointF(), container.innerPixelSize());
    pictures.push_back(container.heldPicture());
    for (const Control* control : container.windowlessControls()) {
        if (const auto* image = dynamic_cast<const Image*>(control);
            image != nullptr && isPainted(*image, area)) {
            pictures.push_back(image->heldPicture());
        }
    }
    for (const Control* control : container.windowedControls()) {
        if (const auto* inner = dynamic_cast<const Container*>(control);
            inner != nullptr && control->visible()) {
            collectPicturesToPaint(*inner, pictures);
        }
    }
}

} // namespace

void paintSurface(QPainter& painter, const Container& container) {
    const QRectF area(QPointF(), container.innerPixelSize());
    painter.fillRect(area, toQColor(container.backColor()));
    painter.drawImage(QPointF(), container.picture());
    container.drawDrawing(painter);
    for (const Control* control : container.windowlessControls()) {
        if (!isPainted(*control, area)) {
            continue;
        }
        const QRectF rect = control->pixelRect();
        if (const auto* image = dynamic_cast<const Image*>(control)) {
            paintImage(painter, *image, rect);
        } else if (const auto* label = dynamic_cast<const Label*>(control)) {
            paintLabel(painter, *label, rect);
        } else if (const auto* user = dynamic_cast<const UserControl*>(control)) {
            paintUserControl(painter, *user, rect);
        }
    }
}

std::vector<DeferredPicture> picturesToPaint(const Container& container) {
    std::vector<DeferredPicture> pictures;
    collectPicturesToPaint(container, pictures);
    return pictures;
}

} // namespace qv::forms::qt
