#include "common/gif_still.h"
#include "common/picture_header.h"
#include "controls/gif/gif_animation.h"
#include "controls/gif/gif_lzw_encoder.h"

#include <QByteArrayView>
#include <QImage>

#include <algorithm>
#include <cstddef>
#include <cstdint>

// Random bytes as a GIF file: its header read, decoded as a still, read as an animation, every
// frame built, painted in order with and without stretching, flipped, and the first frame
// written back out.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView gif(data, static_cast<qsizetype>(size));
    (void)qv::common::PictureHeaderSize(gif);
    (void)qv::common::IconPngImage(gif);
    qv::controls::GifAnimation animation;
    animation.setBlocks(qv::common::ParseGifBlocks(gif));
    if (animation.frameCount() == 0) {
        return 0;
    }
    // Pictures near the reader's caps take long to clear and flip; the unit tests cover them,
    // so the fuzzer spends its time on the decoding of smaller ones.
    std::int64_t stripPixels = 0;
    for (const auto& frame : animation.blocks().frames) {
        stripPixels += std::int64_t{frame.Width} * frame.Height;
    }
    if (std::int64_t{animation.blocks().canvasWidth} * animation.blocks().canvasHeight > 1 << 18 ||
        stripPixels > 1 << 20 || !animation.createBitmaps(false)) {
        return 0;
    }
    (void)qv::common::DecodeGifStill(gif);
    for (int i = 1; i <= animation.frameCount(); ++i) {
        animation.buildFrame(i, gif);
    }
    animation.dropFileLayout();
    // Small surfaces and a bounded number of paints keep each input quick; the canvas itself
    // is composed at full size on every paint.
    QImage surface(64, 64, QImage::Format_ARGB32);
    QImage small(7, 5, QImage::Format_ARGB32);
    for (int i = 1; i <= std::min(animation.frameCount(), 64); ++i) {
        animation.PaintCurrentFrame(i, surface, 1.0F, 1.0F);
        if (i <= 4) {
            animation.PaintCurrentFrame(i, small, 0.5F, 0.25F);
        }
    }
    animation.MirrorFrames(1, animation.frameCount(), true, true, true);
    animation.PaintCurrentFrame(1, small, 1.0F, 1.0F);
    const qv::common::GifFrame& first = animation.frame(1);
    const auto encoded = qv::controls::EncodeFrameGif(
        animation.strip(), first,
        animation.blocks().palettes[static_cast<std::size_t>(first.Palette)]);
    return encoded.isEmpty() ? 1 : 0;
}
