#pragma once

#include <QString>

namespace qv {

/// Text helpers with the runtime's semantics on UTF-16 text: positions count from 1, counts are
/// UTF-16 units, and the trims remove spaces only (not tabs or line breaks).

/// The first `n` units (all of them when `n` is larger; none when `n` is 0 or less).
[[nodiscard]] QString vbLeft(const QString& s, qsizetype n);
/// The last `n` units.
[[nodiscard]] QString vbRight(const QString& s, qsizetype n);
/// From position `start` (1-based) on, `length` units or to the end when `length` is negative.
/// A `start` below 1 is a run-time error (RuntimeError, invalid call).
[[nodiscard]] QString vbMid(const QString& s, qsizetype start, qsizetype length = -1);
[[nodiscard]] QString vbLTrim(const QString& s);
[[nodiscard]] QString vbRTrim(const QString& s);
[[nodiscard]] QString vbTrim(const QString& s);
/// The 1-based position of `find` in `s` from `start` on, 0 when absent; an empty `find` gives
/// `start` while it lies within `s`.
[[nodiscard]] qsizetype vbInStr(qsizetype start, const QString& s, const QString& find);
/// The number a text begins with, as the runtime's Val reads it: blanks skipped, a sign, digits
/// with one decimal point and an exponent; 0 when the text begins with none or with one too large.
[[nodiscard]] double leadingNumber(const QString& text);
/// The text's length in the system code page (GBK bytes, '?' for what has no GBK form).
[[nodiscard]] qsizetype ansiLength(const QString& s);

} // namespace qv
