#include "controls/flip_book.h"

#include "forms/image.h"
#include "forms/runtime_error.h"
#include "forms/timer.h"

namespace qv::controls {

namespace {

constexpr std::size_t kFrames = 3;

[[noreturn]] void wrongItem() {
    throw forms::RuntimeError(forms::RuntimeError::kInvalidCall, "flip-book item of a wrong kind");
}

} // namespace

forms::Timer& Animation::timer() const {
    auto* timer = dynamic_cast<forms::Timer*>(items_.front());
    if (timer == nullptr) {
        wrongItem();
    }
    return *timer;
}

forms::Image& Animation::frame(std::size_t index) const {
    auto* image = index < items_.size() ? dynamic_cast<forms::Image*>(items_[index]) : nullptr;
    if (image == nullptr) {
        wrongItem();
    }
    return *image;
}

void Animation::SetControl(const std::vector<forms::Component*>& p, std::int16_t top,
                           std::int16_t left, std::int16_t width, std::int16_t height, bool pAuto) {
    try {
        items_ = p.empty() ? std::vector<forms::Component*>{nullptr} : p;
        for (std::size_t i = 1; i <= kFrames; ++i) {
            forms::Image& image = frame(i);
            image.setTop(top);
            image.setLeft(left);
            image.setWidth(width);
            image.setHeight(height);
            image.setVisible(false);
            image.setStretch(pAuto);
        }
        frameIndex_ = 0;
    } catch (const forms::RuntimeError&) {
        // Ends where the wrong item was met.
    }
}

void Animation::Play(bool p, std::int16_t interval, bool q) {
    if (items_.size() <= 1) {
        return;
    }
    try {
        forms::Timer& ticks = timer();
        ticks.setEnabled(p);
        ticks.setInterval(interval);
        loop_ = q;
        if (!p) {
            for (std::size_t i = 1; i <= kFrames; ++i) {
                frame(i).setVisible(false);
            }
        }
    } catch (const forms::RuntimeError&) {
        // Ends where the wrong item was met.
    }
}

std::int16_t Animation::Render() {
    if (items_.size() <= 1) {
        return kGoOn;
    }
    try {
        if (frameIndex_ < static_cast<std::int16_t>(kFrames)) {
            for (std::size_t i = 1; i < items_.size(); ++i) {
                frame(i).setVisible(false);
            }
            frame(static_cast<std::size_t>(frameIndex_) + 1).setVisible(true);
        }
        // Past the last frame the count stops: every later call finishes alike.
        if (frameIndex_ <= static_cast<std::int16_t>(kFrames)) {
            ++frameIndex_;
        }
        if (loop_) {
            frameIndex_ %= static_cast<std::int16_t>(kFrames);
            return kGoOn;
        }
        return frameIndex_ > static_cast<std::int16_t>(kFrames) ? kFinished : kGoOn;
    } catch (const forms::RuntimeError&) {
        return kFailed;
    }
}

} // namespace qv::controls
