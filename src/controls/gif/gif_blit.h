#pragma once

#include <QImage>
#include <QRect>

namespace qv::controls {

/// How a block transfer combines source and target colours.
enum class RasterOp {
    Copy,  ///< the source replaces the target
    And,   ///< target AND source
    Paint, ///< target OR source
};

/// Copies `source` (an 8-bit image read through its colour table, or a 32-bit one) from `from`
/// onto `target` at `to`, combining colours by `op`. Targets are a 32-bit RGB picture, a 32-bit
/// ARGB surface whose pixels become opaque where an opaque source lands (a black AND or a
/// non-black OR or any copy), or an 8-bit mask of 0 (black, opaque) and 1 (white, transparent)
/// to which only white sources write 1. Without `halftone` the rectangles have one size; with it
/// each target pixel is the mean of the source pixels it covers. Both rectangles are clipped to
/// their images.
void BlitImage(QImage& target, const QRect& to, const QImage& source, const QRect& from,
               RasterOp op, bool halftone);

/// Flips `area` of `image` onto itself: left-right and/or top-bottom.
void MirrorArea(QImage& image, const QRect& area, bool leftRight, bool topBottom);

} // namespace qv::controls
