#pragma once

#include "forms/control.h"
#include "forms/deferred_picture.h"

namespace qv::forms {

/// A windowless picture. Stretched, it scales its picture to its size; otherwise it takes the
/// size of every picture assigned to it (a size set before does not last).
class Image : public Control {
public:
    Image(Container& container, QString name);
    /// A designed image: it takes its row when the window's design is applied.
    Image(Container& container, QString name, const ControlDesign& design);

    /// The picture's pixels, read now if they were deferred.
    [[nodiscard]] const QImage& picture() const { return picture_.image(); }
    /// The picture as it is held, without reading deferred pixels.
    [[nodiscard]] const DeferredPicture& heldPicture() const { return picture_; }
    void setPicture(const QImage& picture) { setPicture(DeferredPicture(picture)); }
    void setPicture(DeferredPicture picture);
    [[nodiscard]] bool stretch() const { return stretch_; }
    void setStretch(bool stretch);

    /// Copies every property but Visible (a control array's new element).
    void copyPropertiesFrom(const Image& other);

    void applyDesign(const ControlDesign& design, const DesignPictures& pictures) override;

private:
    void fitToPicture();

    DeferredPicture picture_;
    bool stretch_ = false;
};

} // namespace qv::forms
