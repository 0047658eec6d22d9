#pragma once

#include "forms/container.h"
#include "forms/control.h"

namespace qv::forms {

/// A windowed container: controls inside it count in its own unit (pixels, twips or a user
/// scale), and it has a drawing surface (Picture, PaintPicture, Cls, Print).
class PictureBox : public Control, public Container {
public:
    PictureBox(Container& container, QString name);
    /// A designed picture box: it takes its row when the window's design is applied.
    PictureBox(Container& container, QString name, const ControlDesign& design);

    /// With AutoSize the box takes the size of every picture assigned to it.
    [[nodiscard]] bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    using Container::setPicture;
    void setPicture(DeferredPicture picture) override;

    /// Copies every property but Visible and the controls inside (a control array's new element).
    void copyPropertiesFrom(const PictureBox& other);

    [[nodiscard]] Component& component() override { return *this; }
    [[nodiscard]] const Component& component() const override { return *this; }
    [[nodiscard]] QSizeF innerPixelSize() const override { return pixelRect().size(); }
    [[nodiscard]] QPointF originInForm() const override;
    [[nodiscard]] bool shownInForm() const override { return Control::shownInForm(); }

    void applyDesign(const ControlDesign& design, const DesignPictures& pictures) override;

protected:
    void geometryChanged() override { fitDrawing(); }

private:
    void fitToPicture();

    bool autoSize_ = false;
};

} // namespace qv::forms
