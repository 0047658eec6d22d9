#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace qv {

/// MD5 digests as 32 lowercase hexadecimal digits.

/// The digest of the first `n` bytes of `bytes` (of none when `n` is 0 or less, of all of them
/// when `n` is larger).
[[nodiscard]] QString GetBytesMd5(std::int32_t n, const QByteArray& bytes);
/// The empty text for an empty `s`; otherwise the digest of the first Len(s) bytes of its
/// system-code-page form, Len(s) counting characters: the web site checks signatures made so.
[[nodiscard]] QString GetStrMd5(const QString& s);
/// The digest of the file's content; a missing or unreadable file digests as zero bytes.
[[nodiscard]] QString GetFileMd5(const QString& path);

/// The text in the system code page, one zero byte after it.
[[nodiscard]] QByteArray StrToAnsiBytes(const QString& s);
/// The text's length in the system code page; beyond 32767 bytes RuntimeError (overflow).
[[nodiscard]] std::int16_t AnsiByteLen(const QString& s);

} // namespace qv
