#pragma once

#include <cstdint>
#include <vector>

namespace qv::forms {
class Component;
class Image;
class Timer;
} // namespace qv::forms

namespace qv::controls {

/// Turns three image controls into a three-frame flip-book: `Render` shows the next of them
/// and hides the others. Element 0 of the items is the host's timer, which `Play` switches;
/// calling `Render` on its ticks is the host's part. A wrong item (not a timer at 0, not an
/// image at 1..3, or missing) ends the method where it is met.
class Animation {
public:
    /// Results of `Render`.
    static constexpr std::int16_t kFailed = 0;
    static constexpr std::int16_t kGoOn = 1;
    static constexpr std::int16_t kFinished = 2;

    /// Takes the items and places, sizes and hides the three frames alike; the run starts again.
    void SetControl(const std::vector<forms::Component*>& p, std::int16_t top, std::int16_t left,
                    std::int16_t width = 100, std::int16_t height = 100, bool pAuto = true);
    /// Switches the timer on or off at `interval` ms; off also hides the frames. `q` repeats the
    /// frames endlessly.
    void Play(bool p, std::int16_t interval = 1000, bool q = false);
    /// Shows the next frame: `kGoOn`, or `kFinished` once the third has been shown (without
    /// repeating), or `kFailed` on a wrong item.
    std::int16_t Render();

private:
    [[nodiscard]] forms::Timer& timer() const;
    [[nodiscard]] forms::Image& frame(std::size_t index) const;

    std::vector<forms::Component*> items_{nullptr};
    std::int16_t frameIndex_ = 0;
    bool loop_ = false;
};

} // namespace qv::controls
