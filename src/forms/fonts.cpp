#include "forms/fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <optional>

namespace qv::forms {

using namespace Qt::StringLiterals;

namespace {
constexpr double kDesignDotsPerPoint = 96.0 / 72.0;
constexpr double kDefaultPointSize = 9.0;

/// The family to ask for: the designed one where this system has it, else its first substitute
/// that it has. Asked for a family it does not know, Qt searches the whole font configuration for
/// stand-ins again for every size first drawn.
QString installedFamily(const QString& family) {
    static std::mutex lock;
    static QHash<QString, QString> resolved;
    const std::scoped_lock guard(lock);
    const auto found = resolved.constFind(family);
    if (found != resolved.constEnd()) {
        return *found;
    }
    const QStringList installed = QFontDatabase::families();
    const auto spelledAsInstalled = [&installed](const QString& name) -> std::optional<QString> {
        const auto at =
            std::find_if(installed.begin(), installed.end(), [&name](const QString& one) {
                return one.compare(name, Qt::CaseInsensitive) == 0;
            });
        return at == installed.end() ? std::nullopt : std::optional(*at);
    };
    QString choice = family;
    if (!spelledAsInstalled(family)) {
        for (const QString& substitute : QFont::substitutes(family)) {
            if (const auto standIn = spelledAsInstalled(substitute)) {
                choice = *standIn;
                break;
            }
        }
    }
    resolved.insert(family, choice);
    return choice;
}

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
    sized.setFamilies({installedFamily(font.family())});
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : kDefaultPointSize;
    sized.setPixelSize(std::max(1, static_cast<int>(std::lround(points * kDesignDotsPerPoint))));
    return sized;
}

} // namespace qv::forms
