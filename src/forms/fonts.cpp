#include "forms/fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <optional>
#include <utility>

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
    // The windows were laid out in a Song face whose Chinese characters are one em wide and whose
    // Latin letters and digits are half an em: AR PL UMing has those widths, the sans-serif face
    // only the first.
    const QString song = u"AR PL UMing CN"_s;
    const QString sans = u"WenQuanYi Zen Hei"_s;
    const std::pair<QString, QStringList> substitutions[] = {{u"宋体"_s, {song, sans}},
                                                             {u"MS Sans Serif"_s, {sans}}};
    for (const auto& [name, faces] : substitutions) {
        for (const QString& face : faces) {
            if (!QFont::substitutes(name).contains(face)) {
                QFont::insertSubstitution(name, face);
            }
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
