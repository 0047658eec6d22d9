#include "controls/gif/gif_lzw_encoder.h"
#include "controls/gif/gif_picture.h"
#include "controls/gif/uc_ani_gif.h"

namespace qv::controls {

int ucAniGIF::LoadGifBytes() {
    ClearAnimation();
    loops_ = 0;
    scaleX_ = 0;
    scaleY_ = 0;
    if (!gifBuffer_.isEmpty()) {
        anim_.setBlocks(common::ParseGifBlocks(gifBuffer_));
        frameCount_ = anim_.frameCount();
        loops_ = anim_.blocks().loops;
    }
    if (frameCount_ != 0 && !BuildFrames(true)) {
        frameCount_ = 0;
    }
    if (frameCount_ == 0) {
        gifBuffer_.clear();
        ClearAnimation();
    }
    // The host shows what the load left: frame 1 ready, or nothing.
    repaint();
    return frameCount_;
}

bool ucAniGIF::BuildFrames(bool firstPass) {
    if (!firstPass) {
        if (frameCount_ > 1) {
            anim_.loadRamp();
            for (int i = 2; i <= frameCount_; ++i) {
                anim_.buildFrame(i, gifBuffer_);
            }
        }
        finishBuild();
        return true;
    }
    if (!anim_.createBitmaps(false)) {
        return false;
    }
    anim_.buildFrame(1, gifBuffer_);
    currentFrame_ = 1;
    const QRectF rect = pixelRect();
    anim_.ComputeScale(QSize(qRound(rect.width()), qRound(rect.height())), stretch_, scaleX_,
                       scaleY_);
    if (delayAnimation_ == 0) {
        return BuildFrames(false);
    }
    if (frameCount_ == 1) {
        finishBuild();
        return true;
    }
    MirrorFrames(0, true, false);
    mirrored_ |= kFirstFrameFlipped;
    SetFrameTimer(kDeferredBuild);
    return true;
}

void ucAniGIF::finishBuild() {
    anim_.dropFileLayout();
    MirrorFrames(0, false, false);
    gifBuffer_.clear();
    if ((delayAnimation_ & 2) == 0) {
        SetFrameTimer(kFrameTimer);
    }
}

void ucAniGIF::MirrorFrames(int fromStyle, bool firstFrameOnly, bool withCanvas) {
    int first = 1;
    if ((mirrored_ & kFirstFrameFlipped) != 0) {
        mirrored_ &= ~kFirstFrameFlipped;
        first = 2;
    }
    const int flips = (mirrored_ ^ fromStyle) & kMirrorStyles;
    anim_.MirrorFrames(first, firstFrameOnly ? 1 : frameCount_, (flips & 1) != 0, (flips & 2) != 0,
                       withCanvas);
}

void ucAniGIF::ClearAnimation() {
    stopTimer();
    action_ = kStop;
    anim_.ClearAnimation();
    currentFrame_ = 0;
    frameCount_ = 0;
    mirrored_ &= kMirrorStyles;
    loopsPlayed_ = 0;
}

GifPicture ucAniGIF::EncodeFrameGif(int frame) const {
    if (frame == 0) {
        return {};
    }
    const common::GifFrame& f = anim_.frame(frame);
    GifPicture picture;
    picture.gif = controls::EncodeFrameGif(
        anim_.strip(), f, anim_.blocks().palettes[static_cast<std::size_t>(f.Palette)]);
    picture.image = DecodeGifPicture(picture.gif);
    if (picture.image.isNull()) {
        return {};
    }
    return picture;
}

} // namespace qv::controls
