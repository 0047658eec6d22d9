#include "forms/image.h"

namespace qv::forms {

Image::Image(Container& container, QString name)
    : Control(container, std::move(name), Layer::Windowless) {}

void Image::setPicture(const QImage& picture) {
    picture_ = picture;
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
        setPixelSize(picture_.width(), picture_.height());
    }
}

void Image::copyPropertiesFrom(const Image& other) {
    copyControlPropertiesFrom(other);
    picture_ = other.picture_;
    stretch_ = other.stretch_;
    changed();
}

} // namespace qv::forms
