#include "controls/gif/gif_animation.h"

#include "common/gif_lzw_decoder.h"
#include "controls/gif/gif_blit.h"

#include <algorithm>
#include <cmath>

namespace qv::controls {

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

// The strip's own colour table: entry i is the colour (0, 0, i), so a pixel's colour is its index.
QList<QRgb> indexRamp() {
    QList<QRgb> ramp(256);
    for (int i = 0; i < 256; ++i) {
        ramp[i] = qRgb(0, 0, i);
    }
    return ramp;
}

// Fills `area` of a 32-bit picture or an 8-bit mask with one value.
void fillArea(QImage& image, const QRect& area, std::uint32_t value) {
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        if (image.depth() == 8) {
            std::fill_n(image.scanLine(y) + inside.left(), inside.width(),
                        static_cast<std::uint8_t>(value));
        } else {
            std::fill_n(reinterpret_cast<std::uint32_t*>(image.scanLine(y)) + inside.left(),
                        inside.width(), value);
        }
    }
}

int rounded(double value) {
    return static_cast<int>(std::lrint(value));
}

} // namespace

void GifAnimation::ClearAnimation() {
    gif_ = common::GifBlocks{};
    layout_ = Layout::FirstFrameOnly;
    strip_ = QImage();
    canvas_ = QImage();
    mask_ = QImage();
    savedCanvas_ = QImage();
    savedMask_ = QImage();
    paletteMarker_ = 0;
}

bool GifAnimation::createBitmaps(bool firstFrameOnly) {
    int stripWidth = 0;
    int stripHeight = 0;
    bool anyTransparent = false;
    bool allDisposeToBackground = true;
    bool needsMask = false;
    for (const common::GifFrame& f : gif_.frames) {
        stripWidth += f.Width;
        stripHeight = std::max(stripHeight, f.Height);
        anyTransparent = anyTransparent || f.Transparent != 0;
        allDisposeToBackground = allDisposeToBackground && f.Disposal == 2;
        needsMask = needsMask || f.Disposal == 2 || f.Disposal == 3;
    }
    const common::GifFrame& first = frame(1);
    if (firstFrameOnly || frameCount() == 1) {
        layout_ = Layout::FirstFrameOnly;
        stripWidth = first.Width;
        stripHeight = first.Height;
    } else if (allDisposeToBackground) {
        layout_ = Layout::NoCanvas;
    } else if (needsMask || first.Transparent != 0 ||
               (anyTransparent &&
                (first.Width != gif_.canvasWidth || first.Height != gif_.canvasHeight))) {
        layout_ = Layout::CanvasWithMask;
    } else {
        layout_ = Layout::Canvas;
    }
    if (layout_ == Layout::CanvasWithMask || layout_ == Layout::Canvas) {
        CreateCanvas(layout_ == Layout::CanvasWithMask);
        if (canvas_.isNull() || (layout_ == Layout::CanvasWithMask && mask_.isNull())) {
            return false;
        }
    }
    strip_ = QImage(stripWidth, stripHeight, QImage::Format_Indexed8);
    if (strip_.isNull()) {
        return false;
    }
    strip_.fill(0);
    strip_.setColorTable(indexRamp());
    paletteMarker_ = -1;
    return true;
}

void GifAnimation::CreateCanvas(bool withMask) {
    canvas_ = QImage(gif_.canvasWidth, gif_.canvasHeight, QImage::Format_RGB32);
    if (withMask) {
        mask_ = QImage(gif_.canvasWidth, gif_.canvasHeight, QImage::Format_Indexed8);
        mask_.setColorTable({kBlack, kWhite});
    }
}

void GifAnimation::loadRamp() {
    strip_.setColorTable(indexRamp());
    paletteMarker_ = -1;
}

void GifAnimation::buildFrame(int i, QByteArrayView gif) {
    common::GifFrame& f = frameAt(i);
    const common::FrameBlock& block = gif_.blocks[static_cast<std::size_t>(i - 1)];
    f.DataStart = i == 1 ? 0 : frame(i - 1).DataStart + frame(i - 1).Width;
    if (f.Width == 0 || f.Height == 0 || f.DataStart + f.Width > strip_.width() ||
        f.Height > strip_.height()) {
        return;
    }
    // The last frame of a cut file may claim bytes beyond its end.
    const qsizetype length = std::min<qsizetype>(block.Length, gif.size() - block.ImageStart);
    common::DecodeGifImage(gif.sliced(block.ImageStart, length), strip_.bits() + f.DataStart,
                           strip_.bytesPerLine());
}

void GifAnimation::loadPalette(int slot, int transparentIndex) {
    const common::GifPalette& palette = gif_.palettes[static_cast<std::size_t>(slot)];
    QList<QRgb> colours(256);
    for (std::size_t i = 0; i < common::kPaletteCount; ++i) {
        colours[static_cast<qsizetype>(i)] = kBlack | palette[i];
    }
    if (transparentIndex >= 0) {
        colours[transparentIndex] = kBlack;
    }
    strip_.setColorTable(colours);
}

void GifAnimation::loadMaskTable(int transparentIndex) {
    QList<QRgb> colours(256, kBlack);
    if (transparentIndex >= 0) {
        colours[transparentIndex] = kWhite;
    }
    strip_.setColorTable(colours);
    paletteMarker_ = -1;
}

bool GifAnimation::PaintCurrentFrame(int frameNumber, QImage& target, float scaleX, float scaleY) {
    if (frameNumber <= 0 || frameNumber > frameCount()) {
        return false;
    }
    const bool stretch = scaleX != 1.0F || scaleY != 1.0F;
    const common::GifFrame& f = frame(frameNumber);
    if (!canvas_.isNull()) {
        ComposeFrame(frameNumber, false);
        DrawFrame(frameNumber, canvas_, false, frameRect(f));
        DrawFrame(-frameNumber, target, stretch,
                  QRect(0, 0, rounded(gif_.canvasWidth * double{scaleX}),
                        rounded(gif_.canvasHeight * double{scaleY})));
        if (f.Disposal == 2 || f.Disposal == 3) {
            ComposeFrame(frameNumber, true);
        }
    } else {
        DrawFrame(frameNumber, target, stretch,
                  QRect(rounded(f.Left * double{scaleX}), rounded(f.Top * double{scaleY}),
                        rounded(f.Width * double{scaleX}), rounded(f.Height * double{scaleY})));
    }
    return true;
}

void GifAnimation::DrawFrame(int frameNumber, QImage& target, bool stretch, const QRect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    if (frameNumber < 0) {
        if (mask_.isNull()) {
            BlitImage(target, rect, canvas_, canvas_.rect(), RasterOp::Copy, stretch);
            return;
        }
        BlitImage(target, rect, mask_, mask_.rect(), RasterOp::And, stretch);
        BlitImage(target, rect, canvas_, canvas_.rect(), RasterOp::Paint, stretch);
        return;
    }
    const common::GifFrame& f = frame(frameNumber);
    if (f.Transparent != 0) {
        loadMaskTable(f.TransparentIndex);
        BlitImage(target, rect, strip_, stripRect(f), RasterOp::And, stretch);
        loadPalette(f.Palette, f.TransparentIndex);
        BlitImage(target, rect, strip_, stripRect(f), RasterOp::Paint, stretch);
        return;
    }
    if (f.Palette != paletteMarker_) {
        loadPalette(f.Palette, -1);
        paletteMarker_ = f.Palette;
    }
    BlitImage(target, rect, strip_, stripRect(f), RasterOp::Copy, stretch);
}

void GifAnimation::ComposeFrame(int frameNumber, bool afterPaint) {
    const common::GifFrame& f = frame(frameNumber);
    const QRect area = frameRect(f);
    if (afterPaint) {
        if (f.Disposal == 2) {
            fillArea(canvas_, area, kBlack);
            if (!mask_.isNull()) {
                fillArea(mask_, area, 1);
            }
        } else if (f.Disposal == 3) {
            BlitImage(canvas_, area, savedCanvas_, savedCanvas_.rect(), RasterOp::Copy, false);
            if (!mask_.isNull()) {
                BlitImage(mask_, area, savedMask_, savedMask_.rect(), RasterOp::Copy, false);
            }
        }
        return;
    }
    if (frameNumber == 1) {
        canvas_.fill(kBlack);
        if (!mask_.isNull()) {
            mask_.fill(1);
        }
    }
    if (f.Disposal == 3) {
        // Exactly the frame's rectangle, of the mask as of the canvas, comes back afterwards.
        savedCanvas_ = canvas_.copy(area);
        if (!mask_.isNull()) {
            savedMask_ = mask_.copy(area);
        }
    }
    if (!mask_.isNull()) {
        loadMaskTable(f.Transparent != 0 ? f.TransparentIndex : -1);
        BlitImage(mask_, area, strip_, stripRect(f),
                  f.Transparent != 0 ? RasterOp::And : RasterOp::Copy, false);
    }
}

void GifAnimation::MirrorFrames(int first, int last, bool leftRight, bool topBottom,
                                bool withCanvas) {
    if (!leftRight && !topBottom) {
        return;
    }
    for (int i = first; i <= last; ++i) {
        common::GifFrame& f = frameAt(i);
        if (leftRight) {
            f.Left = gif_.canvasWidth - (f.Left + f.Width);
        }
        if (topBottom) {
            f.Top = gif_.canvasHeight - (f.Top + f.Height);
        }
        MirrorArea(strip_, stripRect(f), leftRight, topBottom);
    }
    if (withCanvas && !canvas_.isNull()) {
        MirrorArea(canvas_, canvas_.rect(), leftRight, topBottom);
        if (!mask_.isNull()) {
            MirrorArea(mask_, mask_.rect(), leftRight, topBottom);
        }
    }
}

QSize GifAnimation::ComputeScale(QSize inner, int stretch, float& scaleX, float& scaleY) const {
    const int canvasWidth = gif_.canvasWidth;
    const int canvasHeight = gif_.canvasHeight;
    if (canvasWidth <= 0 || canvasHeight <= 0) {
        return inner;
    }
    const auto ratioX = static_cast<float>(inner.width()) / static_cast<float>(canvasWidth);
    const auto ratioY = static_cast<float>(inner.height()) / static_cast<float>(canvasHeight);
    const auto fitted = [&](float factor) {
        scaleX = factor;
        scaleY = factor;
        return QSize(rounded(double{factor} * canvasWidth), rounded(double{factor} * canvasHeight));
    };
    switch (stretch) {
    case 0:
        scaleX = 1.0F;
        scaleY = 1.0F;
        return {std::min(inner.width(), canvasWidth), std::min(inner.height(), canvasHeight)};
    case 1:
        return fitted(std::min(ratioX, ratioY));
    case 2:
        scaleX = ratioX;
        scaleY = ratioY;
        return inner;
    case 3:
        return fitted(ratioX > 1.0F && ratioY > 1.0F ? 1.0F : std::min(ratioX, ratioY));
    default:
        scaleX = 1.0F;
        scaleY = 1.0F;
        return {canvasWidth, canvasHeight};
    }
}

} // namespace qv::controls
