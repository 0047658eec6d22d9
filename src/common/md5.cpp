#include "common/md5.h"

#include "common/gbk.h"
#include "common/runtime_errors.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <limits>

namespace qv {

QString GetBytesMd5(std::int32_t n, const QByteArray& bytes) {
    const qsizetype length = std::clamp<qsizetype>(n, 0, bytes.size());
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArrayView(bytes).first(length), QCryptographicHash::Md5)
            .toHex());
}

QString GetStrMd5(const QString& s) {
    if (s.isEmpty()) {
        return {};
    }
    return GetBytesMd5(static_cast<std::int32_t>(s.size()), StrToAnsiBytes(s));
}

QString GetFileMd5(const QString& path) {
    QFile file(path);
    const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return GetBytesMd5(static_cast<std::int32_t>(std::min<qsizetype>(
                           content.size(), std::numeric_limits<std::int32_t>::max())),
                       content);
}

QByteArray StrToAnsiBytes(const QString& s) {
    QByteArray bytes = toAnsi(s);
    bytes.append('\0');
    return bytes;
}

std::int16_t AnsiByteLen(const QString& s) {
    const qsizetype length = toAnsi(s).size();
    if (length > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(kOverflowError, "AnsiByteLen: beyond 32767 bytes");
    }
    return static_cast<std::int16_t>(length);
}

} // namespace qv
