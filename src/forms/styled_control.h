#pragma once

#include "forms/color.h"
#include "forms/control.h"

#include <QFont>

namespace qv::forms {

/// A control with a font and two colours (labels, list boxes, text boxes).
class StyledControl : public Control {
public:
    [[nodiscard]] const QFont& font() const { return font_; }
    void setFont(const QFont& font);
    [[nodiscard]] double fontSize() const { return font_.pointSizeF(); }
    void setFontSize(double points);
    [[nodiscard]] bool fontBold() const { return font_.bold(); }
    void setFontBold(bool bold);
    [[nodiscard]] QString fontName() const { return font_.family(); }
    void setFontName(const QString& name);
    [[nodiscard]] OleColor foreColor() const { return foreColor_; }
    void setForeColor(OleColor color);
    [[nodiscard]] OleColor backColor() const { return backColor_; }
    void setBackColor(OleColor color);

    /// Besides what every control takes, the font and colours of the row.
    void applyDesign(const ControlDesign& design, const DesignPictures& pictures) override;

protected:
    StyledControl(Container& container, QString name, Layer layer, OleColor foreColor,
                  OleColor backColor);
    void copyStyledPropertiesFrom(const StyledControl& other);
    /// Called after the font changed (labels that size themselves to their text).
    virtual void fontChanged() {}

private:
    QFont font_;
    OleColor foreColor_;
    OleColor backColor_;
};

} // namespace qv::forms
