#include "table/speak_box_overlay.h"

#include "forms/fonts.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace qv::table {
namespace {

constexpr double kPhrasePoints = 10.5;

} // namespace

SpeakBoxOverlay::SpeakBoxOverlay(forms::Container& container, QString name)
    : forms::UserControl(container, std::move(name), u"frmSpeakBox"_s) {}

SpeakBoxOverlay::SpeakBoxOverlay(forms::Container& container, QString name,
                                 const forms::ControlDesign& design)
    : forms::UserControl(container, std::move(name), u"frmSpeakBox"_s, design) {}

void SpeakBoxOverlay::setPicture(const QImage& picture) {
    picture_ = picture;
    changed();
}

void SpeakBoxOverlay::setShape(const QRegion& shape) {
    shape_ = shape;
    changed();
}

void SpeakBoxOverlay::setAlpha(int alpha) {
    alpha_ = alpha;
    changed();
}

void SpeakBoxOverlay::setPhrase(const QString& phrase) {
    phrase_ = phrase;
    changed();
}

void SpeakBoxOverlay::setPhraseRect(const QRectF& rect) {
    phraseRect_ = rect;
    changed();
}

void SpeakBoxOverlay::copyPropertiesFrom(const SpeakBoxOverlay& other) {
    copyControlPropertiesFrom(other);
    picture_ = other.picture_;
    shape_ = other.shape_;
    alpha_ = other.alpha_;
    phraseRect_ = other.phraseRect_;
}

void SpeakBoxOverlay::paint(QPainter& painter, QSizeF size) const {
    painter.save();
    painter.setOpacity(alpha_ / 255.0);
    if (!shape_.isEmpty()) {
        painter.setClipRegion(shape_);
    }
    painter.drawImage(QRectF(QPointF(), size), picture_);
    QFont font(u"宋体"_s);
    font.setPointSizeF(kPhrasePoints);
    painter.setFont(forms::pixelFont(font));
    painter.setPen(Qt::black);
    // Plain text: whatever the phrase holds is drawn as it stands.
    painter.drawText(phraseRect_, Qt::TextWordWrap, phrase_);
    painter.restore();
}

} // namespace qv::table
