#include "table/skin_tiles.h"

namespace qv::table {

namespace {

// Columns of the skin bitmap in twips: left border, tile, right border.
constexpr int kBorder = 120;
constexpr int kTileLeft = 120;
constexpr int kRightLeft = 570;
// Rows: title band, side edges, bottom edge.
constexpr int kBand = 300;
constexpr int kSideHeight = 2880;
constexpr int kBottomTop = 3180;

} // namespace

std::array<SkinTile, 8> skinTiles(int w, int h) {
    const int innerWidth = w - 2 * kBorder;
    const int sideHeight = h - kBand - kBorder;
    return {{
        {{0, 0, kBorder, kBand}, {0, 0, kBorder, kBand}},
        {{kBorder, 0, innerWidth, kBand}, {kTileLeft, 0, kBorder, kBand}},
        {{w - kBorder, 0, kBorder, kBand}, {kRightLeft, 0, kBorder, kBand}},
        {{0, kBand, kBorder, sideHeight}, {0, kBand, kBorder, kSideHeight}},
        {{w - kBorder, kBand, kBorder, sideHeight}, {kRightLeft, kBand, kBorder, kSideHeight}},
        {{0, h - kBorder, kBorder, kBorder}, {0, kBottomTop, kBorder, kBorder}},
        {{kBorder, h - kBorder, innerWidth, kBorder}, {kTileLeft, kBottomTop, kBorder, kBorder}},
        {{w - kBorder, h - kBorder, kBorder, kBorder}, {kRightLeft, kBottomTop, kBorder, kBorder}},
    }};
}

} // namespace qv::table
