#pragma once

#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <vector>

namespace qv::common {

/// How one frame of an animated GIF is shown.
struct GifFrame {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    /// Display time in ms: the file's value times 10.
    std::int32_t Delay = 0;
    /// Colour-table slot: 0 the global table, n the file's n-th local table.
    std::int32_t Palette = 0;
    /// The frame's first byte in the file (its graphic control extension when it has one); once
    /// the frames are built, its x offset in the frame strip.
    std::int32_t DataStart = 0;
    std::uint8_t TransparentIndex = 0;
    std::uint8_t Transparent = 0;
    /// 0..3; 2 clears to the background, 3 restores what was there before.
    std::uint8_t Disposal = 0;

    bool operator==(const GifFrame&) const = default;
};

/// Where a frame's image lies: from its image separator up to its data's terminator.
struct FrameBlock {
    std::int32_t Length = 0;
    std::int32_t ImageStart = 0;
};

/// One colour table: entries 0..255 as 0x00RRGGBB (0 beyond the table's size), entry 256 the
/// number of colours.
using GifPalette = std::array<std::uint32_t, 257>;
inline constexpr std::size_t kPaletteCount = 256;

/// Largest composed picture and largest frame strip we accept, in pixels; bigger files are
/// refused rather than allowed to exhaust memory.
inline constexpr std::int64_t kMaxCanvasPixels = 4LL << 20;
inline constexpr std::int64_t kMaxStripPixels = 16LL << 20;

/// What the reader finds in a GIF file. Frame i (1-based) is `frames[i - 1]`.
struct GifBlocks {
    std::vector<GifFrame> frames;
    std::vector<FrameBlock> blocks;
    std::vector<GifPalette> palettes;
    std::int32_t canvasWidth = 0;
    std::int32_t canvasHeight = 0;
    std::int32_t loops = 0;

    [[nodiscard]] int frameCount() const { return static_cast<int>(frames.size()); }
};

/// Walks the GIF's blocks without decoding image data. No frames for what is not a GIF, has an
/// image without any colour table, or is bigger than the caps above; a truncated file gives the
/// frames completed before the cut.
[[nodiscard]] GifBlocks ParseGifBlocks(QByteArrayView gif);

} // namespace qv::common
