#include "chat/photo_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace qv::chat {

QString PhotoFileName(const QString& photoFolder, const QDateTime& when) {
    const QString stem = photoFolder + u'/' + when.toString(u"yyyyMMddHHmmss"_s);
    QString name = stem + u".bmp"_s;
    for (int suffix = 1; QFileInfo::exists(name); ++suffix) {
        name = stem + u'_' + QString::number(suffix) + u".bmp"_s;
    }
    return name;
}

PhotoResult SavePhoto(const QString& photoFolder, const QDateTime& when, const QByteArray& bytes,
                      QString* saved) {
    if (bytes.isEmpty()) {
        return PhotoResult::Empty;
    }
    if (!QDir().mkpath(photoFolder)) {
        return PhotoResult::Failed;
    }
    QFile file(PhotoFileName(photoFolder, when));
    // NewOnly: a photo never replaces another, even one written in between.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        file.remove();
        return PhotoResult::Failed;
    }
    if (saved != nullptr) {
        *saved = file.fileName();
    }
    return PhotoResult::Saved;
}

} // namespace qv::chat
