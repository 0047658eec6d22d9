#pragma once

#include "forms/deferred_picture.h"
#include "forms/timer.h"
#include "forms/user_control.h"

#include <cstdint>

namespace qv::controls {

/// Plays, or stops on, the frames of a sprite sheet: a PNG picture resource with transparency
/// cut into a grid of equal frames, numbered left to right, then top to bottom. A 1 x 10 sheet
/// of digits is a digit display (`Pause(digit)`). The whole rectangle takes the mouse.
class APNG : public forms::UserControl {
public:
    APNG(forms::Container& container, QString name);
    APNG(forms::Container& container, QString name, const forms::ControlDesign& design);

    /// Loads sheet `ResId` (resource type "GIF") cut into `CountX` x `CountY` frames, drawn at
    /// (`left`, `top`) in the control. The frame counter and the timer go on; nothing is
    /// repainted. A grid below 1 x 1, or a resource that is not a picture, changes nothing. The
    /// sheet's pixels are decoded when a frame is first drawn: most sprites wait hidden for a
    /// moment of the game that may never come.
    void LoadAnimation(std::int32_t ResId, std::int32_t left, std::int32_t top, std::int32_t CountX,
                       std::int32_t CountY);
    /// Stops the steps; a frame of 0 or more becomes the counter and is shown.
    void Pause(std::int32_t FrameIndex = -1);
    /// A frame of 0 or more becomes the counter and is shown; an interval above 0 becomes the
    /// step interval; then the steps run, one frame each interval.
    void Start(std::int32_t FrameIndex = -1, std::int32_t interval = 40);

    [[nodiscard]] std::int32_t frameCounter() const { return counter_; }
    [[nodiscard]] bool playing() const { return timer_.enabled(); }

    void paint(QPainter& painter, QSizeF size) const override;

private:
    [[nodiscard]] std::int64_t frames() const {
        return static_cast<std::int64_t>(columns_) * rows_;
    }
    /// The step timer, stopped, each step one frame on.
    void setUpTimer();
    /// Brings the counter within the grid and asks for the frame to be shown.
    void repaint();

    forms::DeferredPicture sheet_;
    std::int32_t columns_ = 0;
    std::int32_t rows_ = 0;
    std::int32_t offsetLeft_ = 0;
    std::int32_t offsetTop_ = 0;
    std::int32_t frameWidth_ = 0;
    std::int32_t frameHeight_ = 0;
    std::int32_t counter_ = 0;
    forms::Timer timer_;
};

} // namespace qv::controls
