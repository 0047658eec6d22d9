#include "controls/gif/uc_ani_gif.h"

#include <algorithm>

namespace qv::controls {

void ucAniGIF::stopTimer() {
    if (timerId_ != 0) {
        time_.stopTimer(timerId_);
        timerId_ = 0;
    }
    timerKind_ = kStopTimer;
}

int ucAniGIF::frameInterval() const {
    return std::max<int>(anim_.frame(currentFrame_).Delay, minFrameDelay_);
}

bool ucAniGIF::SetFrameTimer(int kind) {
    if (kind == kStopTimer) {
        stopTimer();
        action_ = kStop;
        return false;
    }
    if (action_ == kPlay) {
        return false;
    }
    action_ = kStop;
    if (currentFrame_ == 0 || (frameCount_ <= 1 && kind != kDeferredBuild)) {
        return false;
    }
    stopTimer();
    if (kind == kDeferredBuild) {
        timerId_ = time_.startTimer(20, [this] { OnDelayTimer(); });
    } else {
        timerId_ = time_.startTimer(frameInterval(), [this] { OnFrameTimer(); });
    }
    timerKind_ = kind;
    action_ = kPlay;
    return true;
}

void ucAniGIF::OnDelayTimer() {
    SetFrameTimer(kStopTimer);
    BuildFrames(false);
}

void ucAniGIF::OnFrameTimer() {
    // Every frame runs on a fresh one-shot timer.
    stopTimer();
    bool goesOn = true;
    ++currentFrame_;
    if (currentFrame_ > frameCount_) {
        currentFrame_ = 1;
        if (loops_ != 0) {
            ++loopsPlayed_;
            if (loopsPlayed_ == loops_) {
                action_ = kStop;
                setAction(kStop);
                loopsPlayed_ = 0;
                goesOn = false;
            }
        }
    }
    repaint();
    if (goesOn) {
        timerId_ = time_.startTimer(frameInterval(), [this] { OnFrameTimer(); });
        timerKind_ = kFrameTimer;
    } else if (gifEvents.LoopsEnded) {
        gifEvents.LoopsEnded();
    }
}

void ucAniGIF::completeDeferredBuild() {
    if (timerKind_ == kDeferredBuild) {
        OnDelayTimer();
    }
}

} // namespace qv::controls
