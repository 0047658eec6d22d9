#pragma once

#include <QByteArrayView>
#include <QImage>

namespace qv::common {

/// The first image of a GIF straight into an 8-bit palette picture, its transparent colour
/// clear, without decoding to 32-bit pixels first. A null image when the file is no GIF, or its
/// first image does not fill its canvas (what shows around it is then the decoder's choice).
[[nodiscard]] QImage DecodeGifStill(QByteArrayView gif);

} // namespace qv::common
