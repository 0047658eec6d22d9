#pragma once

#include <QByteArrayView>
#include <QImage>

namespace qv::controls {

/// The first frame of a GIF on its canvas as a 32-bit ARGB picture, transparent where the frame
/// is transparent or does not reach; a null picture when the bytes hold no frame.
[[nodiscard]] QImage DecodeGifPicture(QByteArrayView gif);

} // namespace qv::controls
