#pragma once

#include <QString>

#include <cstdint>

namespace qv {

namespace forms {
class ListBox;
}

/// Whether the first character of `ch` is a single byte in the system code page (GBK); every
/// double-byte character is full-width. An empty text is a run-time error (invalid call).
[[nodiscard]] bool IsHalfWidth(const QString& ch);

/// Appends `text` (up to its first NUL) to `list` in lines of about `width` display units, a
/// half-width character counting 1 and any other 2. Continuation lines start with a space; the
/// character that ends a line's width goes with the first line but opens each later one.
void WrapToList(forms::ListBox& list, const QString& text, std::int16_t width);

} // namespace qv
