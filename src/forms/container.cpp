#include "forms/container.h"

#include "forms/control.h"
#include "forms/fonts.h"

#include <algorithm>

namespace qv::forms {

Container::Container() : font_(defaultFont()) {}

void Container::setScaleMode(ScaleMode mode) {
    if (mode == scaleMode_) {
        return;
    }
    // Controls stay where they are on the screen: convert through pixels.
    std::vector<QRectF> pixelRects;
    for (const auto* layer : {&windowless_, &windowed_}) {
        for (const Control* control : *layer) {
            pixelRects.push_back(control->pixelRect());
        }
    }
    scaleMode_ = mode;
    scaleLeft_ = 0;
    scaleTop_ = 0;
    if (mode != ScaleMode::User) {
        unitTwipsX_ = twipsPerUnit(mode);
        unitTwipsY_ = unitTwipsX_;
    }
    auto rect = pixelRects.begin();
    for (auto* layer : {&windowless_, &windowed_}) {
        for (Control* control : *layer) {
            control->setGeometry({xFromPixels(rect->left()), yFromPixels(rect->top()),
                                  widthFromPixels(rect->width()),
                                  heightFromPixels(rect->height())});
            ++rect;
        }
    }
    surfaceChanged();
}

void Container::settleControlSizes() const {
    for (const auto* layer : {&windowless_, &windowed_}) {
        for (const Control* control : *layer) {
            control->settleSize();
        }
    }
}

double Container::scaleWidth() const {
    return pixelsToTwips(innerPixelSize().width()) / unitTwipsX_;
}

double Container::scaleHeight() const {
    return pixelsToTwips(innerPixelSize().height()) / unitTwipsY_;
}

void Container::setScaleLeft(double left) {
    scaleMode_ = ScaleMode::User;
    scaleLeft_ = left;
    surfaceChanged();
}

void Container::setScaleTop(double top) {
    scaleMode_ = ScaleMode::User;
    scaleTop_ = top;
    surfaceChanged();
}

void Container::setScaleWidth(double width) {
    if (width == 0) {
        return;
    }
    settleControlSizes();
    scaleMode_ = ScaleMode::User;
    unitTwipsX_ = pixelsToTwips(innerPixelSize().width()) / width;
    surfaceChanged();
}

void Container::setScaleHeight(double height) {
    if (height == 0) {
        return;
    }
    settleControlSizes();
    scaleMode_ = ScaleMode::User;
    unitTwipsY_ = pixelsToTwips(innerPixelSize().height()) / height;
    surfaceChanged();
}

void Container::scale(double x1, double y1, double x2, double y2) {
    setScaleWidth(x2 - x1);
    setScaleHeight(y2 - y1);
    setScaleLeft(x1);
    setScaleTop(y1);
}

double Container::xToPixels(double x) const {
    return widthToPixels(x - scaleLeft_);
}
double Container::yToPixels(double y) const {
    return heightToPixels(y - scaleTop_);
}
double Container::xFromPixels(double px) const {
    return widthFromPixels(px) + scaleLeft_;
}
double Container::yFromPixels(double py) const {
    return heightFromPixels(py) + scaleTop_;
}

double Container::widthToPixels(double width) const {
    return scaleMode_ == ScaleMode::Pixels ? width : twipsToPixels(width * unitTwipsX_);
}

double Container::heightToPixels(double height) const {
    return scaleMode_ == ScaleMode::Pixels ? height : twipsToPixels(height * unitTwipsY_);
}

double Container::widthFromPixels(double px) const {
    return scaleMode_ == ScaleMode::Pixels ? px : pixelsToTwips(px) / unitTwipsX_;
}

double Container::heightFromPixels(double py) const {
    return scaleMode_ == ScaleMode::Pixels ? py : pixelsToTwips(py) / unitTwipsY_;
}

QRectF Container::rectToPixels(double left, double top, double width, double height) const {
    return {xToPixels(left), yToPixels(top), widthToPixels(width), heightToPixels(height)};
}

Control* Container::hitTest(QPointF pixel) const {
    for (const auto* layer : {&windowed_, &windowless_}) {
        for (auto it = layer->rbegin(); it != layer->rend(); ++it) {
            Control* control = *it;
            if (!control->visible() || !control->enabled()) {
                continue;
            }
            const QRectF rect = control->pixelRect();
            // A control covers the pixels from its left edge up to its right edge, that one not
            // included: the pixel beside it belongs to whatever lies there.
            if (pixel.x() < rect.left() || pixel.x() >= rect.right() || pixel.y() < rect.top() ||
                pixel.y() >= rect.bottom() || !control->hitsPixel(pixel - rect.topLeft())) {
                continue;
            }
            if (auto* inner = dynamic_cast<const Container*>(control)) {
                if (Control* nested = inner->hitTest(pixel - rect.topLeft())) {
                    return nested;
                }
            }
            return control;
        }
    }
    return nullptr;
}

void Container::attach(Control& control) {
    layerOf(control).push_back(&control);
}

void Container::detach(Control& control) {
    std::erase(layerOf(control), &control);
}

void Container::moveInLayer(Control& control, bool toFront) {
    auto& layer = layerOf(control);
    const auto at = std::ranges::find(layer, &control);
    if (at == layer.end()) {
        return;
    }
    if (toFront) {
        std::rotate(at, at + 1, layer.end());
    } else {
        std::rotate(layer.begin(), at, at + 1);
    }
    surfaceChanged();
}

std::vector<Control*>& Container::layerOf(const Control& control) {
    return control.layer() == Layer::Windowed ? windowed_ : windowless_;
}

} // namespace qv::forms
