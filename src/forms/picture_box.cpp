#include "forms/picture_box.h"

#include "forms/form.h"

namespace qv::forms {

PictureBox::PictureBox(Container& container, QString name)
    : Control(container, std::move(name), Layer::Windowed) {}

void PictureBox::setAutoSize(bool on) {
    if (assign(autoSize_, on)) {
        fitToPicture();
    }
}

void PictureBox::setPicture(const QImage& picture) {
    Container::setPicture(picture);
    fitToPicture();
}

void PictureBox::fitToPicture() {
    if (autoSize_ && !picture().isNull()) {
        setPixelSize(picture().width(), picture().height());
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

} // namespace qv::forms
