#pragma once

#include "forms/control.h"

namespace qv::forms {

/// A windowless picture. Stretched, it scales its picture to its size; otherwise it takes the
/// size of every picture assigned to it (a size set before does not last).
class Image : public Control {
public:
    Image(Container& container, QString name);

    [[nodiscard]] const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
    [[nodiscard]] bool stretch() const { return stretch_; }
    void setStretch(bool stretch);

    /// Copies every property but Visible (a control array's new element).
    void copyPropertiesFrom(const Image& other);

private:
    void fitToPicture();

    QImage picture_;
    bool stretch_ = false;
};

} // namespace qv::forms
