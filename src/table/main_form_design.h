#pragma once

#include "forms/color.h"

#include <QStringView>

#include <cstdint>
#include <span>

namespace qv::table {

/// The kinds of control the table window is made of (timers are listed apart).
enum class ControlKind {
    PictureBox,
    Image,
    Label,
    ListBox,
    TextBox,
    WebBrowser,
    /// Four-state picture button.
    PictureButton,
    /// Scrolling notice banner.
    Banner,
    /// PNG sprite-sheet animation.
    Sprite,
    /// Animated GIF player.
    AniGif,
};

/// The coordinate unit of a container.
enum class DesignUnit { Twips, Pixels, UserTwips15 };

enum class DesignAlign { Left, Centre };

inline constexpr int kNoIndex = -1;

/// No colour of its own in the design: the control keeps its kind's default.
inline constexpr forms::OleColor kNoColour = 0xFFFFFFFFU;

/// One control of the window design, or a run of identical elements of a control array.
/// Rectangles are pixels in the container (the window's twips divided by 15).
struct ControlDesign {
    QStringView name{};
    ControlKind kind = ControlKind::Image;
    /// The container's name; empty for the window itself.
    QStringView container{};
    int firstIndex = kNoIndex;
    int lastIndex = kNoIndex;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool visible = true;
    bool stretch = false;
    bool enabled = true;
    DesignUnit unit = DesignUnit::Pixels;
    QStringView text{};
    QStringView fontName{};
    double fontSize = 0;
    bool bold = false;
    forms::OleColor foreColor = kNoColour;
    forms::OleColor backColor = kNoColour;
    DesignAlign alignment = DesignAlign::Left;
    bool autoSize = false;
    QStringView toolTip{};
    /// A picture stored with the window design (shown by the artwork under this control name).
    bool designPicture = false;
    /// A numbered picture resource the design holds, 0 for none.
    int pictureRes = 0;
    bool customCursor = false;
    int maxLength = 0;
    bool readOnly = false;
    bool ampersandLiteral = false;

    [[nodiscard]] bool isArray() const { return firstIndex != kNoIndex; }
};

/// A timer of the window: design interval and whether it runs from the start.
struct TimerDesign {
    QStringView name{};
    int intervalMs = 0;
    bool enabled = false;
};

/// A control array that the layouts extend at run time, with its index range afterwards.
struct ArrayRange {
    QStringView name{};
    int first = 0;
    int last = 0;
};

/// Every control of the table window's design, containers before their contents.
[[nodiscard]] std::span<const ControlDesign> mainFormControls();
[[nodiscard]] std::span<const TimerDesign> mainFormTimers();
/// The arrays whose elements the layouts load, with their run-time index ranges.
[[nodiscard]] std::span<const ArrayRange> mainFormLoadedArrays();

} // namespace qv::table
