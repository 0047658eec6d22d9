#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace qv {

/// Text to GBK bytes, the system's code page; nullopt when a character has no GBK form.
[[nodiscard]] std::optional<QByteArray> toGbk(const QString& text);
/// GBK bytes to text; nullopt when the bytes are not valid GBK (a stray or cut-off byte).
[[nodiscard]] std::optional<QString> fromGbk(const QByteArray& bytes);
/// GB18030 bytes (and so GBK and GB2312 ones) to UTF-8; nullopt when they are not valid.
[[nodiscard]] std::optional<QByteArray> gb18030ToUtf8(const QByteArray& bytes);
/// GBK bytes to text for showing what a file holds: each invalid byte becomes U+FFFD.
[[nodiscard]] QString fromGbkLenient(const QByteArray& bytes);

/// Text to the system code page one UTF-16 unit at a time, as the runtime's ANSI conversion
/// does: a unit without a GBK form (a lone surrogate included) becomes '?'.
[[nodiscard]] QByteArray toAnsi(const QString& text);
/// The GBK code of one UTF-16 unit as the runtime's Asc gives it: 0..255 for a single byte,
/// lead * 256 + trail for a double byte, '?' for a unit without a GBK form.
[[nodiscard]] int ansiCode(QChar ch);

/// The length of the GBK character that starts at `pos`: 2 for a lead byte followed by a trail
/// byte, else 1.
[[nodiscard]] int gbkCharLength(const QByteArray& bytes, qsizetype pos);

} // namespace qv
