#pragma once

#include <QColor>

#include <cstdint>

namespace qv::forms {

/// A colour as the platform stores it: 0x00BBGGRR, red in the low byte. Values with the top bit set
/// (0x800000NN) name system colour NN.
using OleColor = std::uint32_t;

[[nodiscard]] constexpr OleColor rgb(int red, int green, int blue) {
    return static_cast<OleColor>(red & 0xFF) | (static_cast<OleColor>(green & 0xFF) << 8U) |
           (static_cast<OleColor>(blue & 0xFF) << 16U);
}

/// The colour reference of system colour `index` (4 menu background, 11 inactive border...).
[[nodiscard]] constexpr OleColor systemColor(int index) {
    return 0x80000000U | static_cast<OleColor>(index & 0xFF);
}

/// Converts a colour reference to an opaque QColor; system colours take the classic palette.
[[nodiscard]] QColor toQColor(OleColor color);
/// Converts a QColor to 0x00BBGGRR, dropping its alpha.
[[nodiscard]] OleColor toOleColor(const QColor& color);

} // namespace qv::forms
