#pragma once

#include "forms/color.h"
#include "forms/deferred_picture.h"

#include <QImage>
#include <QString>
#include <QStringView>

#include <span>

namespace qv::forms {

class Control;

/// The coordinate unit a designed picture box gives its contents.
enum class DesignUnit { Twips, Pixels, UserTwips15 };

enum class DesignAlign { Left, Centre };

inline constexpr int kNoIndex = -1;

/// No colour of its own in the design: the control keeps its kind's default.
inline constexpr OleColor kNoColour = 0xFFFFFFFFU;

/// The design of one control, or of a run of alike elements of a control array, written where
/// the control is declared. Rectangles are pixels in the container; each kind of control takes
/// the properties it has and ignores the others.
struct ControlDesign {
    /// The array elements this row designs; both `kNoIndex` for a control outside an array.
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
    OleColor foreColor = kNoColour;
    OleColor backColor = kNoColour;
    DesignAlign alignment = DesignAlign::Left;
    bool autoSize = false;
    QStringView toolTip{};
    /// A picture stored with the window design under the control's name: the one record of
    /// which controls have one.
    bool picture = false;
    /// A numbered picture resource the design holds, 0 for none.
    int pictureRes = 0;
    bool customCursor = false;
    int maxLength = 0;
    bool readOnly = false;
    bool ampersandLiteral = false;
};

/// A timer's design: its interval and whether it runs from the start.
struct TimerDesign {
    int intervalMs = 0;
    bool enabled = false;
};

/// Where the pictures of a window's design come from.
class DesignPictures {
public:
    DesignPictures() = default;
    DesignPictures(const DesignPictures&) = delete;
    DesignPictures& operator=(const DesignPictures&) = delete;
    virtual ~DesignPictures() = default;

    /// The picture stored with the design for control `name`, element `index` (-1 outside an
    /// array); null when the design holds none. Its pixels are read when first needed.
    [[nodiscard]] virtual DeferredPicture stored(const QString& name, int index) const = 0;
    /// The stored picture of `control` when its row says the design holds one; null otherwise.
    [[nodiscard]] DeferredPicture storedFor(const Control& control,
                                            const ControlDesign& design) const;
    /// The design's own mouse pointer, for controls with a custom one.
    [[nodiscard]] virtual QImage pointer() const = 0;
    /// Numbered picture resource `resId`; null when there is no such resource.
    [[nodiscard]] virtual QImage resource(int resId) const = 0;
};

/// One designed control of a window with its design row.
struct DesignedControl {
    Control* control = nullptr;
    ControlDesign design;
};

/// Gives every control of a window's design the properties of its row, in order (containers
/// come before their contents); each kind of control applies what it has.
void applyDesign(std::span<const DesignedControl> design, const DesignPictures& pictures);

} // namespace qv::forms
