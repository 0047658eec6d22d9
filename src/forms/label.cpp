#include "forms/label.h"

#include "forms/container.h"
#include "forms/fonts.h"

#include <QFontMetricsF>

namespace qv::forms {

using namespace Qt::StringLiterals;

namespace {
constexpr double kUnboundedPixels = 100000;
}

Label::Label(Container& container, QString name)
    : StyledControl(container, std::move(name), Layer::Windowless, systemColor(18),
                    systemColor(15)) {}

Label::Label(Container& container, QString name, const ControlDesign& design)
    : Label(container, std::move(name)) {
    designAs(design);
}

void Label::applyDesign(const ControlDesign& design, const DesignPictures& pictures) {
    StyledControl::applyDesign(design, pictures);
    setUseMnemonic(!design.ampersandLiteral);
    setAlignment(design.alignment == DesignAlign::Centre ? alignment::kCenter : alignment::kLeft);
    setCaption(design.text.toString());
    setAutoSize(design.autoSize);
}

void Label::setCaption(const QString& caption) {
    if (assign(caption_, caption)) {
        fitToText();
    }
}

void Label::setBackStyle(int style) {
    assign(backStyle_, style);
}

void Label::setAlignment(int alignment) {
    settleSize();
    assign(alignment_, alignment);
}

void Label::setAutoSize(bool on) {
    settleSize();
    if (assign(autoSize_, on)) {
        fitToText();
    }
}

void Label::setWordWrap(bool on) {
    settleSize();
    if (assign(wordWrap_, on)) {
        fitToText();
    }
}

void Label::setUseMnemonic(bool on) {
    if (assign(useMnemonic_, on)) {
        fitToText();
    }
}

QString Label::displayText() const {
    QString text = caption_;
    text.replace(u"\r\n"_s, u"\n"_s).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!useMnemonic_) {
        return text;
    }
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        shown.append(text[i]);
    }
    return shown;
}

int Label::textFlags() const {
    int flags = Qt::AlignTop;
    switch (alignment_) {
    case alignment::kRight:
        flags |= Qt::AlignRight;
        break;
    case alignment::kCenter:
        flags |= Qt::AlignHCenter;
        break;
    default:
        flags |= Qt::AlignLeft;
        break;
    }
    if (wordWrap_ || !autoSize_) {
        flags |= Qt::TextWordWrap;
    }
    return flags;
}

void Label::fitToText() {
    if (!autoSize_) {
        return;
    }
    if (!wordWrap_) {
        // Measuring loads the font, the dearest part of a label: one that is never shown nor
        // measured never pays for it.
        sizeStale_ = true;
        return;
    }
    const double width = pixelRect().width();
    setPixelSize(width, textPixelSize(width).height());
}

void Label::settleSize() const {
    if (!sizeStale_) {
        return;
    }
    sizeStale_ = false;
    const QSizeF size = textPixelSize(kUnboundedPixels);
    setSettledPixelSize(size.width(), size.height());
}

QSizeF Label::textPixelSize(double wrapWidth) const {
    const QFontMetricsF metrics(pixelFont(font()));
    const QString text = displayText();
    const QRectF bounds =
        metrics.boundingRect(QRectF(0, 0, wrapWidth, kUnboundedPixels), textFlags(), text);
    return {bounds.width(), text.isEmpty() ? metrics.height() : bounds.height()};
}

void Label::copyPropertiesFrom(const Label& other) {
    copyStyledPropertiesFrom(other);
    sizeStale_ = false;
    caption_ = other.caption_;
    backStyle_ = other.backStyle_;
    alignment_ = other.alignment_;
    autoSize_ = other.autoSize_;
    wordWrap_ = other.wordWrap_;
    useMnemonic_ = other.useMnemonic_;
    changed();
}

} // namespace qv::forms
