#pragma once

#include "controls/keyed_control.h"

#include <QFont>
#include <QImage>

#include <cstdint>

namespace qv::controls {

/// A picture tile with a short text, a count, in bold white at its bottom-right corner. Pure
/// red shows nothing: the picture's red pixels, and with a text the drawn tile's.
class iPic : public KeyedControl {
public:
    iPic(forms::Container& container, QString name);

    [[nodiscard]] std::int16_t FontSize() const;
    /// Points within 8..12 (13 or more gives 12), then repaints.
    void setFontSize(std::int16_t points);
    [[nodiscard]] const QString& text() const { return text_; }
    void setText(const QString& text);
    [[nodiscard]] const QImage& BackPic() const { return backPic_; }
    /// A picture sizes the control to itself, becomes its outline and is drawn at once.
    void setBackPic(const QImage& picture);
    void refresh();

    void mouseMoveInput(int button, int shift, double x, double y) override;

private:
    void drawPicture();

    QImage backPic_;
    QString text_;
    QFont font_;
};

} // namespace qv::controls
