#pragma once

namespace qv::table {

/// The window counts in twips, always 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;
/// Layout scale of screens smaller than the 1024 x 768 design (800 / 1024).
inline constexpr float kSmallScale = 0.78125F;

/// How the table window sits on a screen: the layout scale, the window and the table surface
/// `Pic1` in twips, and in which dimensions the window keeps its painted skin.
struct ScreenFit {
    float scale = 1.0F;
    int windowLeft = 0;
    int windowTop = 0;
    int windowWidth = 0;
    int windowHeight = 0;
    int pic1Left = 0;
    int pic1Top = 0;
    int pic1Width = 0;
    int pic1Height = 0;
    /// The screen is taller than the design: 20-pixel title band and bottom border.
    bool skinHeight = false;
    /// The screen is wider than the design: 8-pixel borders left and right.
    bool skinWidth = false;

    [[nodiscard]] bool smallTable() const { return scale < 1.0F; }
};

/// Fits the table window to a screen of the given pixel size. Each dimension is decided on its
/// own: larger than the design keeps the skin around a design-sized surface, otherwise the
/// window fills the screen. The scale needs at least the design size in both dimensions.
[[nodiscard]] ScreenFit fitToScreen(int screenWidthPx, int screenHeightPx);

} // namespace qv::table
