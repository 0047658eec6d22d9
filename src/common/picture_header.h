#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>

namespace qv::common {

/// The format a picture file's first bytes name, as the platform's image readers call it: "gif",
/// "png", "jpeg", "bmp" or "ico"; empty for any other bytes.
[[nodiscard]] QByteArray PictureFormat(QByteArrayView bytes);

/// The size a picture file's header gives, read without decoding it or loading any decoder:
/// GIF (its canvas), PNG, JPEG, BMP and ICO (its first image). An empty size when the bytes are
/// none of these or are cut short.
[[nodiscard]] QSize PictureHeaderSize(QByteArrayView bytes);

/// An icon file's first image when it is stored as a PNG (the platform decodes those without
/// its plug-ins); empty when it is not, or the file is no icon.
[[nodiscard]] QByteArrayView IconPngImage(QByteArrayView bytes);

} // namespace qv::common
