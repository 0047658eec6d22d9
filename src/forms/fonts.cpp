#include "forms/fonts.h"

#include <QString>
#include <QStringList>

#include <cmath>

namespace qv::forms {

using namespace Qt::StringLiterals;

namespace {
constexpr double kDesignDotsPerPoint = 96.0 / 72.0;
constexpr double kDefaultPointSize = 9.0;
} // namespace

void installFontSubstitutions() {
    const QString cjk = u"WenQuanYi Zen Hei"_s;
    for (const QString& name : {u"宋体"_s, u"MS Sans Serif"_s}) {
        if (!QFont::substitutes(name).contains(cjk)) {
            QFont::insertSubstitution(name, cjk);
        }
    }
}

QFont defaultFont() {
    QFont font(u"宋体"_s);
    font.setPointSizeF(kDefaultPointSize);
    return font;
}

QFont pixelFont(const QFont& font) {
    QFont sized = font;
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : kDefaultPointSize;
    sized.setPixelSize(std::max(1, static_cast<int>(std::lround(points * kDesignDotsPerPoint))));
    return sized;
}

} // namespace qv::forms
