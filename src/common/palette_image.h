#pragma once

#include <QImage>

namespace qv::common {

/// The picture as an 8-bit palette image with the exact colours it has, a quarter of the memory
/// of the decoder's 32-bit form; the picture itself when it has more than 256 colours.
[[nodiscard]] QImage toPaletteImage(const QImage& picture);

} // namespace qv::common
