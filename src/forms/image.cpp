#include "forms/image.h"

namespace qv::forms {

Image::Image(Container& container, QString name)
    : Control(container, std::move(name), Layer::Windowless) {}

Image::Image(Container& container, QString name, const ControlDesign& design)
    : Image(container, std::move(name)) {
    designAs(design);
}

void Image::setPicture(DeferredPicture picture) {
    picture_ = std::move(picture);
    changed();
    fitToPicture();
}

void Image::setStretch(bool stretch) {
    if (assign(stretch_, stretch)) {
        fitToPicture();
    }
}

void Image::fitToPicture() {
    if (!stretch_ && !picture_.isNull()) {
        const QSize size = picture_.size();
        setPixelSize(size.width(), size.height());
    }
}

void Image::copyPropertiesFrom(const Image& other) {
    copyControlPropertiesFrom(other);
    picture_ = other.picture_;
    stretch_ = other.stretch_;
    changed();
}

void Image::applyDesign(const ControlDesign& design, const DesignPictures& pictures) {
    Control::applyDesign(design, pictures);
    setStretch(design.stretch);
    if (DeferredPicture stored = pictures.storedFor(*this, design); !stored.isNull()) {
        setPicture(std::move(stored));
    }
    if (design.pictureRes != 0) {
        const QImage resource = pictures.resource(design.pictureRes);
        if (!resource.isNull()) {
            setPicture(resource);
        }
    }
}

} // namespace qv::forms
