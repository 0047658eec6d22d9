#include "common/gif_still.h"

#include "common/gif_lzw_decoder.h"
#include "common/gif_reader.h"

#include <QList>

namespace qv::common {
namespace {

constexpr QRgb kOpaque = 0xFF000000U;

} // namespace

QImage DecodeGifStill(QByteArrayView gif) {
    const GifBlocks blocks = ParseGifBlocks(gif);
    if (blocks.frames.empty()) {
        return {};
    }
    const GifFrame& frame = blocks.frames.front();
    if (frame.Left != 0 || frame.Top != 0 || frame.Width != blocks.canvasWidth ||
        frame.Height != blocks.canvasHeight || frame.Width <= 0 || frame.Height <= 0) {
        return {};
    }
    QImage picture(frame.Width, frame.Height, QImage::Format_Indexed8);
    if (picture.isNull()) {
        return {};
    }
    const FrameBlock& block = blocks.blocks.front();
    const qsizetype length = std::min<qsizetype>(block.Length, gif.size() - block.ImageStart);
    if (!DecodeGifImage(gif.sliced(block.ImageStart, length), picture.bits(),
                        picture.bytesPerLine())) {
        return {};
    }
    const GifPalette& palette = blocks.palettes.at(static_cast<std::size_t>(frame.Palette));
    QList<QRgb> colours(static_cast<qsizetype>(kPaletteCount));
    for (std::size_t i = 0; i < kPaletteCount; ++i) {
        colours[static_cast<qsizetype>(i)] = kOpaque | palette[i];
    }
    // The transparent entry keeps its colour, clear: what a 32-bit decode gives.
    if (frame.Transparent != 0) {
        colours[frame.TransparentIndex] = palette[frame.TransparentIndex];
    }
    picture.setColorTable(colours);
    return picture;
}

} // namespace qv::common
