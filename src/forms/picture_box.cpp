#include "forms/picture_box.h"

#include "forms/form.h"

namespace qv::forms {

namespace {
// The user scale some panels are designed with: one unit is 15 twips, a pixel.
constexpr double kUserUnitTwips = 15;
} // namespace

PictureBox::PictureBox(Container& container, QString name)
    : Control(container, std::move(name), Layer::Windowed) {}

PictureBox::PictureBox(Container& container, QString name, const ControlDesign& design)
    : PictureBox(container, std::move(name)) {
    designAs(design);
}

void PictureBox::setAutoSize(bool on) {
    if (assign(autoSize_, on)) {
        fitToPicture();
    }
}

void PictureBox::setPicture(DeferredPicture picture) {
    Container::setPicture(std::move(picture));
    fitToPicture();
}

void PictureBox::fitToPicture() {
    if (autoSize_ && !heldPicture().isNull()) {
        const QSize size = heldPicture().size();
        setPixelSize(size.width(), size.height());
    }
}

QPointF PictureBox::originInForm() const {
    return container().originInForm() + pixelRect().topLeft();
}

void PictureBox::copyPropertiesFrom(const PictureBox& other) {
    copyControlPropertiesFrom(other);
    copySurfacePropertiesFrom(other);
    autoSize_ = other.autoSize_;
}

void PictureBox::applyDesign(const ControlDesign& design, const DesignPictures& pictures) {
    Control::applyDesign(design, pictures);
    switch (design.unit) {
    case DesignUnit::Pixels:
        setScaleMode(ScaleMode::Pixels);
        break;
    case DesignUnit::Twips:
        setScaleMode(ScaleMode::Twips);
        break;
    case DesignUnit::UserTwips15: {
        const QSizeF twips = innerPixelSize() * kTwipsPerPixel;
        scale(0, 0, twips.width() / kUserUnitTwips, twips.height() / kUserUnitTwips);
        break;
    }
    }
    if (design.backColor != kNoColour) {
        setBackColor(design.backColor);
    }
    if (DeferredPicture stored = pictures.storedFor(*this, design); !stored.isNull()) {
        setPicture(std::move(stored));
    }
}

} // namespace qv::forms
