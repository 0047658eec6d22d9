#pragma once

#include "common/gif_reader.h"

#include <QByteArray>
#include <QImage>

namespace qv::controls {

/// Writes frame `frame` as a complete one-frame GIF89a file: its colour indices from the 8-bit
/// `strip` (the frame at x = its `DataStart`, rows from 0), `palette` as a 256-entry global
/// table, a graphic control extension only for a transparent frame, 8-bit LZW codes in
/// sub-blocks of at most 254 bytes.
[[nodiscard]] QByteArray EncodeFrameGif(const QImage& strip, const common::GifFrame& frame,
                                        const common::GifPalette& palette);

} // namespace qv::controls
