#pragma once

#include <QRect>

#include <array>

namespace qv::table {

/// One piece of the skin bitmap stretched onto the window: both rectangles in twips.
struct SkinPiece {
    QRect destination;
    QRect source;
};

/// The eight border pieces (corners, title band, edges) for a window of the given size in
/// twips; the centre is left to the table surface.
[[nodiscard]] std::array<SkinPiece, 8> skinPieces(int windowWidth, int windowHeight);

} // namespace qv::table
