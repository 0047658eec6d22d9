#pragma once

#include "common/gif_reader.h"

#include <QByteArrayView>
#include <QImage>
#include <QRect>
#include <QSize>

#include <vector>

namespace qv::controls {

/// The frames of one loaded GIF as bitmaps, and their composition by the disposal rules.
///
/// Every frame's colour indices sit side by side in one 8-bit strip; painting swaps the strip's
/// colour table for the frame's own table or for a black-and-white mask table, so one strip
/// serves every palette and transparency. Frames that depend on earlier ones are composed on a
/// 32-bit canvas with an 8-bit transparency mask (0 opaque, 1 transparent).
class GifAnimation {
public:
    /// How the frames are laid out, decided from the frames before they are built.
    enum class Layout {
        FirstFrameOnly, ///< one frame: the strip holds frame 1, no canvas
        NoCanvas,       ///< every frame clears to the background: painted straight on
        CanvasWithMask,
        Canvas,
    };

    [[nodiscard]] const common::GifBlocks& blocks() const { return gif_; }
    [[nodiscard]] int frameCount() const { return gif_.frameCount(); }
    [[nodiscard]] const common::GifFrame& frame(int i) const {
        return gif_.frames[static_cast<std::size_t>(i - 1)];
    }
    [[nodiscard]] const QImage& strip() const { return strip_; }
    [[nodiscard]] const QImage& canvas() const { return canvas_; }
    [[nodiscard]] const QImage& mask() const { return mask_; }
    [[nodiscard]] Layout layout() const { return layout_; }

    /// Takes the reader's findings; frames are built later.
    void setBlocks(common::GifBlocks gif) { gif_ = std::move(gif); }
    /// Frees every bitmap and table.
    void ClearAnimation();

    /// Chooses the layout, creates canvas and mask as it needs and the strip (frame 1 only with
    /// `firstFrameOnly`), with the index ramp as its colour table. False when the strip cannot
    /// be created.
    bool createBitmaps(bool firstFrameOnly);
    /// Reloads the index ramp into the strip's colour table.
    void loadRamp();
    /// Decodes frame i into the strip at its x offset, which then replaces its `DataStart`.
    void buildFrame(int i, QByteArrayView gif);
    /// Forgets the frames' places in the file once every frame is built.
    void dropFileLayout() { gif_.blocks.clear(); }

    /// Paints frame `frame` onto `target`, a 32-bit ARGB surface, composing it first when the
    /// layout has a canvas. Nothing for frame 0.
    bool PaintCurrentFrame(int frame, QImage& target, float scaleX, float scaleY);
    /// Blits frame `frame` (> 0) from the strip, or the canvas with its mask (`frame` < 0), into
    /// `rect` of `target`.
    void DrawFrame(int frame, QImage& target, bool stretch, const QRect& rect);
    /// Canvas and mask bookkeeping before (`afterPaint` false) and after a frame is painted.
    void ComposeFrame(int frame, bool afterPaint);
    /// Flips frames `first`..`last` (and the canvas with its mask when `withCanvas`).
    void MirrorFrames(int first, int last, bool leftRight, bool topBottom, bool withCanvas);
    /// The size a control of inner size `inner` takes for `stretch` mode 0..4, and the factors
    /// from canvas pixels to control pixels.
    QSize ComputeScale(QSize inner, int stretch, float& scaleX, float& scaleY) const;

private:
    common::GifFrame& frameAt(int i) { return gif_.frames[static_cast<std::size_t>(i - 1)]; }
    [[nodiscard]] QRect frameRect(const common::GifFrame& f) const {
        return {f.Left, f.Top, f.Width, f.Height};
    }
    [[nodiscard]] QRect stripRect(const common::GifFrame& f) const {
        return {f.DataStart, 0, f.Width, f.Height};
    }
    void CreateCanvas(bool withMask);
    void loadPalette(int slot, int transparentIndex);
    void loadMaskTable(int transparentIndex);

    common::GifBlocks gif_;
    Layout layout_ = Layout::FirstFrameOnly;
    QImage strip_;
    QImage canvas_;
    QImage mask_;
    /// The colour-table slot the strip's table holds; -1 for the ramp or a mask table.
    int paletteMarker_ = 0;
    QImage savedCanvas_;
    QImage savedMask_;
};

} // namespace qv::controls
