#pragma once

#include <QFont>

namespace qv::forms {

/// Maps the font names the windows are designed with ("宋体", "MS Sans Serif") to fonts this
/// system may have, the nearest in metrics first. Safe to call more than once.
void installFontSubstitutions();

/// The font controls start with: "宋体" 9 pt, as on the system the windows were designed for.
[[nodiscard]] QFont defaultFont();

/// `font` sized in pixels as the design system renders points (96 dots per inch), so that text
/// measures and paints the same on every screen.
[[nodiscard]] QFont pixelFont(const QFont& font);

} // namespace qv::forms
