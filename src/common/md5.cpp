#include "common/md5.h"

#include "common/gbk.h"
#include "common/runtime_errors.h"

#include <QFile>

#include <algorithm>
#include <limits>
#include <openssl/evp.h>

namespace qv {

QString GetBytesMd5(std::int32_t n, const QByteArray& bytes) {
    const auto length = static_cast<std::size_t>(std::clamp<qsizetype>(n, 0, bytes.size()));
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int digestLength = 0;
    EVP_Digest(bytes.constData(), length, digest, &digestLength, EVP_md5(), nullptr);
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(digest), static_cast<qsizetype>(digestLength))
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
