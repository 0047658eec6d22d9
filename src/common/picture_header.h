#pragma once

#include <QByteArrayView>
#include <QSize>

namespace qv::common {

/// The size a picture file's header gives, read without decoding it or loading any decoder:
/// GIF (its canvas), PNG, JPEG, BMP and ICO (its first image). An empty size when the bytes are
/// none of these or are cut short.
[[nodiscard]] QSize PictureHeaderSize(QByteArrayView bytes);

/// An icon file's first image when it is stored as a PNG (the platform decodes those without
/// its plug-ins); empty when it is not, or the file is no icon.
[[nodiscard]] QByteArrayView IconPngImage(QByteArrayView bytes);

} // namespace qv::common
