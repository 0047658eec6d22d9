#include "common/ini_file.h"

#include "common/gbk.h"
#include "common/ini_profile.h"
#include "common/vb_text.h"

#include <QFile>
#include <QSaveFile>

#include <optional>

namespace qv {

namespace {

/// The file's bytes: nullopt when it does not exist or cannot be read.
std::optional<QByteArray> readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

/// Replaces the file whole, so a failed write leaves the old content: a short write or a failed
/// flush (a full disk) cancels the replacement instead of committing a cut-off file.
void writeAll(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    if (file.write(content) != content.size() || !file.flush()) {
        file.cancelWriting();
    }
    file.commit();
}

/// The value as the platform hands it over: up to its first NUL, at most the buffer's bytes,
/// and never half a double-byte character.
QByteArray cutValue(const QByteArray& value) {
    const qsizetype nul = value.indexOf('\0');
    const QByteArray text = nul < 0 ? value : value.left(nul);
    qsizetype end = 0;
    while (end < text.size()) {
        const int length = gbkCharLength(text, end);
        if (end + length > classIniFile::kMaxValueBytes) {
            break;
        }
        end += length;
    }
    return text.left(end);
}

} // namespace

void classIniFile::WriteIniKey(const QString& section, const QString& key,
                               const QString& value) const {
    const auto content = readAll(fileName_);
    // A file that is there but cannot be read is not replaced by one holding only this key.
    if (!content && QFile::exists(fileName_)) {
        return;
    }
    if (const auto updated = ini::writeValue(content.value_or(QByteArray()), section, key, value)) {
        writeAll(fileName_, *updated);
    }
}

QString classIniFile::GetIniKey(const QString& section, const QString& key) const {
    const auto content = readAll(fileName_);
    const auto value = content ? ini::readValue(*content, section, key) : std::nullopt;
    if (!value) {
        return {};
    }
    return vbTrim(fromGbkLenient(cutValue(*value))).remove(QChar(0));
}

void classIniFile::DelIniKey(const QString& section, const QString& key) const {
    const auto content = readAll(fileName_);
    if (!content) {
        return;
    }
    if (const auto updated = ini::writeValue(*content, section, key, std::nullopt);
        updated && *updated != *content) {
        writeAll(fileName_, *updated);
    }
}

void classIniFile::DelIniSec(const QString& section) const {
    const auto content = readAll(fileName_);
    if (!content) {
        return;
    }
    if (const QByteArray updated = ini::removeSection(*content, section); updated != *content) {
        writeAll(fileName_, updated);
    }
}

} // namespace qv
