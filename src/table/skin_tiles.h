#pragma once

#include <QRect>

#include <array>

namespace qv::table {

/// One tile of the skin bitmap stretched onto the window: both rectangles in twips.
struct SkinTile {
    QRect destination;
    QRect source;
};

/// The eight border tiles (corners, title band, edges) for a window of the given size in
/// twips; the centre is left to the table surface.
[[nodiscard]] std::array<SkinTile, 8> skinTiles(int windowWidth, int windowHeight);

} // namespace qv::table
