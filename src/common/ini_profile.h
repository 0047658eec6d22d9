#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace qv::ini {

/// The settings-file format of the platform's profile functions, on a file's GBK bytes: lines of
/// "[section]" and "key=value"; sections and keys match without regard to case, the first match
/// counts; untouched lines keep their bytes.

/// The value of `key` in `section`, spaces and tabs around it removed and one pair of enclosing
/// quotes dropped; nullopt when the section or key is missing.
[[nodiscard]] std::optional<QByteArray> readValue(const QByteArray& content, const QString& section,
                                                  const QString& key);

/// The content with "key=value" replacing the key's line, or added at the end of its section,
/// the section being added at the end of the file when missing. `value` nullopt removes the key.
/// nullopt when the texts cannot be written (no GBK form, or a line break or NUL in them).
[[nodiscard]] std::optional<QByteArray> writeValue(const QByteArray& content,
                                                   const QString& section, const QString& key,
                                                   const std::optional<QString>& value);

/// The content without the section's header and lines.
[[nodiscard]] QByteArray removeSection(const QByteArray& content, const QString& section);

} // namespace qv::ini
