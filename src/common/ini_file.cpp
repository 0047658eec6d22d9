#include "common/ini_file.h"

#include "common/gbk.h"
#include "common/vb_text.h"

#include <QFile>
#include <QLockFile>
#include <QSaveFile>

#include <optional>

namespace qv {

namespace {

/// How long a change waits for another program's change of the same file. A change holds the
/// lock for milliseconds, and the lock of a program that ended is taken over at once; one held
/// longer belongs to a program that hangs, and the change then goes ahead without it.
constexpr int kLockWaitMs = 2000;

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
    } else if (classIniFile::beforeReplace) {
        classIniFile::beforeReplace();
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

QString IniKeys::GetIniKey(const QString& section, const QString& key) const {
    const auto value = document_.value(section, key);
    if (!value) {
        return {};
    }
    return vbTrim(fromGbkLenient(cutValue(*value))).remove(QChar(0));
}

void IniKeys::WriteIniKey(const QString& section, const QString& key, const QString& value) {
    document_.write(section, key, value);
}

void IniKeys::DelIniKey(const QString& section, const QString& key) {
    document_.write(section, key, std::nullopt);
}

void IniKeys::DelIniSec(const QString& section) {
    document_.removeSection(section);
}

IniKeys classIniFile::ReadIniKeys() const {
    return IniKeys(readAll(fileName_).value_or(QByteArray()));
}

void classIniFile::ChangeIniKeys(const std::function<void(IniKeys&)>& change) const {
    QLockFile lock(fileName_ + QStringLiteral(".lock"));
    lock.tryLock(kLockWaitMs);
    auto content = readAll(fileName_);
    if (!content && QFile::exists(fileName_)) {
        return;
    }
    IniKeys keys(content.value_or(QByteArray()));
    change(keys);
    if (QByteArray updated = keys.bytes(); updated != content.value_or(QByteArray())) {
        writeAll(fileName_, updated);
    }
}

void classIniFile::WriteIniKey(const QString& section, const QString& key,
                               const QString& value) const {
    ChangeIniKeys([&](IniKeys& keys) { keys.WriteIniKey(section, key, value); });
}

QString classIniFile::GetIniKey(const QString& section, const QString& key) const {
    return ReadIniKeys().GetIniKey(section, key);
}

void classIniFile::DelIniKey(const QString& section, const QString& key) const {
    ChangeIniKeys([&](IniKeys& keys) { keys.DelIniKey(section, key); });
}

void classIniFile::DelIniSec(const QString& section) const {
    ChangeIniKeys([&](IniKeys& keys) { keys.DelIniSec(section); });
}

} // namespace qv
