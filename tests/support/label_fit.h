#pragma once

#include "forms/fonts.h"
#include "forms/label.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace qv::test {

/// Whether a label shows its whole text as it is painted: every line no wider than the label, and
/// no more lines, its own and those the word wrap makes, than the label holds (one at least).
inline bool LabelTextFits(const forms::Label& label) {
    const QFontMetricsF metrics(forms::pixelFont(label.font()));
    const QRectF box = label.pixelRect();
    const QString text = label.displayText();
    double widest = 0;
    for (const QString& line : text.split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const QRectF wrapped =
        metrics.boundingRect(QRectF(0, 0, box.width(), 1e6), label.textFlags(), text);
    const double linesHeld = std::max(1.0, std::floor(box.height() / metrics.lineSpacing()));
    const bool wraps = (label.textFlags() & Qt::TextWordWrap) != 0;
    const double lines = std::round(wrapped.height() / metrics.lineSpacing());
    return (wraps || widest <= box.width()) && lines <= linesHeld &&
           (!wraps || wrapped.width() <= box.width());
}

} // namespace qv::test
