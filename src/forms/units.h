#pragma once

namespace qv::forms {

/// How a container counts the positions of its controls (the numbering follows the platform's).
enum class ScaleMode { User = 0, Twips = 1, Pixels = 3 };

/// One pixel is always taken as 15 twips, whatever the screen.
inline constexpr double kTwipsPerPixel = 15.0;

[[nodiscard]] constexpr double twipsToPixels(double twips) {
    return twips / kTwipsPerPixel;
}
[[nodiscard]] constexpr double pixelsToTwips(double pixels) {
    return pixels * kTwipsPerPixel;
}

/// Twips in one unit of a fixed scale mode; user scales keep their own figure.
[[nodiscard]] constexpr double twipsPerUnit(ScaleMode mode) {
    return mode == ScaleMode::Pixels ? kTwipsPerPixel : 1.0;
}

} // namespace qv::forms
