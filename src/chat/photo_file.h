#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace qv::chat {

/// How a photo went.
enum class PhotoResult { Saved, Empty, Failed };

/// The name of a photo taken at `when` in folder `photoFolder`: the moment as yyyyMMddHHmmss,
/// read once, with "_1", "_2"... added when a file of that name is already there.
[[nodiscard]] QString PhotoFileName(const QString& photoFolder, const QDateTime& when);
/// Writes the photo `bytes` as a new file in `photoFolder` (made when missing); an empty
/// buffer writes nothing. `saved` receives the file's path.
PhotoResult SavePhoto(const QString& photoFolder, const QDateTime& when, const QByteArray& bytes,
                      QString* saved = nullptr);

} // namespace qv::chat
