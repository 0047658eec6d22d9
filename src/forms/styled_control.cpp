#include "forms/styled_control.h"

#include "forms/fonts.h"

namespace qv::forms {

StyledControl::StyledControl(Container& container, QString name, Layer layer, OleColor foreColor,
                             OleColor backColor)
    : Control(container, std::move(name), layer), font_(defaultFont()), foreColor_(foreColor),
      backColor_(backColor) {}

void StyledControl::setFont(const QFont& font) {
    if (assign(font_, font)) {
        fontChanged();
    }
}

void StyledControl::setFontSize(double points) {
    QFont font = font_;
    font.setPointSizeF(points);
    setFont(font);
}

void StyledControl::setFontBold(bool bold) {
    QFont font = font_;
    font.setBold(bold);
    setFont(font);
}

void StyledControl::setFontName(const QString& name) {
    QFont font = font_;
    font.setFamily(name);
    setFont(font);
}

void StyledControl::setForeColor(OleColor color) {
    assign(foreColor_, color);
}

void StyledControl::setBackColor(OleColor color) {
    assign(backColor_, color);
}

void StyledControl::copyStyledPropertiesFrom(const StyledControl& other) {
    copyControlPropertiesFrom(other);
    font_ = other.font_;
    foreColor_ = other.foreColor_;
    backColor_ = other.backColor_;
    changed();
}

void StyledControl::applyDesign(const ControlDesign& design, const DesignPictures& pictures) {
    Control::applyDesign(design, pictures);
    if (!design.fontName.isEmpty()) {
        setFontName(design.fontName.toString());
    }
    if (design.fontSize > 0) {
        setFontSize(design.fontSize);
    }
    if (design.bold) {
        setFontBold(true);
    }
    if (design.foreColor != kNoColour) {
        setForeColor(design.foreColor);
    }
    if (design.backColor != kNoColour) {
        setBackColor(design.backColor);
    }
}

} // namespace qv::forms
