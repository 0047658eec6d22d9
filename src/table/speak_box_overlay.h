#pragma once

#include "forms/user_control.h"

#include <QImage>
#include <QRectF>
#include <QRegion>

namespace qv::table {

/// A speech bubble over the table: a picture cut to its outline, see-through by its alpha,
/// with a phrase written inside. A child of the table surface, so it shows on any window
/// system.
class SpeakBoxOverlay : public forms::UserControl {
public:
    SpeakBoxOverlay(forms::Container& container, QString name);
    SpeakBoxOverlay(forms::Container& container, QString name, const forms::ControlDesign& design);

    [[nodiscard]] const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
    /// The outline in the control's pixels; empty shows the whole picture.
    [[nodiscard]] const QRegion& shape() const { return shape_; }
    void setShape(const QRegion& shape);
    /// 0 (invisible) to 255 (opaque).
    [[nodiscard]] int alpha() const { return alpha_; }
    void setAlpha(int alpha);
    /// The phrase and where it is written, in the control's pixels.
    [[nodiscard]] const QString& phrase() const { return phrase_; }
    void setPhrase(const QString& phrase);
    [[nodiscard]] const QRectF& phraseRect() const { return phraseRect_; }
    void setPhraseRect(const QRectF& rect);

    void copyPropertiesFrom(const SpeakBoxOverlay& other);
    void paint(QPainter& painter, QSizeF size) const override;

private:
    QImage picture_;
    QRegion shape_;
    int alpha_ = 255;
    QString phrase_;
    QRectF phraseRect_;
};

} // namespace qv::table
