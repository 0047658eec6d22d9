#pragma once

#include "forms/component.h"
#include "forms/design.h"

#include <QImage>
#include <QRectF>

#include <optional>

namespace qv::forms {

class Container;

/// Windowless controls are drawn by their container below every windowed control of it; windowed
/// controls are windows of their own.
enum class Layer { Windowless, Windowed };

/// Mouse pointers as the platform numbers them (0 default, 99 the control's own MouseIcon).
namespace pointer {
inline constexpr int kDefault = 0;
inline constexpr int kArrow = 1;
inline constexpr int kCross = 2;
inline constexpr int kIBeam = 3;
inline constexpr int kSizeAll = 5;
inline constexpr int kHourglass = 11;
inline constexpr int kNoDrop = 12;
inline constexpr int kCustom = 99;
} // namespace pointer

/// A visible control inside a container. Left, Top, Width and Height count in the container's
/// unit and keep the fractions they are given.
class Control : public Component {
public:
    ~Control() override;

    [[nodiscard]] Container& container() const { return *container_; }
    [[nodiscard]] Layer layer() const { return layer_; }

    [[nodiscard]] double left() const { return geometry().left; }
    [[nodiscard]] double top() const { return geometry().top; }
    [[nodiscard]] double width() const { return geometry().width; }
    [[nodiscard]] double height() const { return geometry().height; }
    void setLeft(double left);
    void setTop(double top);
    void setWidth(double width);
    void setHeight(double height);
    /// Moves and optionally sizes the control in one change.
    void move(double left, std::optional<double> top = std::nullopt,
              std::optional<double> width = std::nullopt,
              std::optional<double> height = std::nullopt);

    [[nodiscard]] bool visible() const { return visible_; }
    /// Hiding or disabling the control that has the focus leaves the form without a focused
    /// control.
    void setVisible(bool visible);
    void setEnabled(bool enabled) override;
    [[nodiscard]] const QString& toolTipText() const { return toolTipText_; }
    void setToolTipText(const QString& text);
    [[nodiscard]] int mousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);
    [[nodiscard]] const QImage& mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QImage& icon);

    /// Gives a windowed control the keyboard focus; false when it cannot take it (hidden,
    /// disabled, windowless), and nothing changes then.
    bool setFocus();

    /// Paints the control again now, as its window shows it.
    void refresh();

    /// 0 brings the control to the front of its layer, 1 sends it to the back.
    void zOrder(int position = 0);

    /// The control's rectangle in its container's inner pixels.
    [[nodiscard]] QRectF pixelRect() const;
    /// Visible, and every container up to the form visible too.
    [[nodiscard]] bool shownInForm() const;
    /// Whether the control takes the mouse at `pixel`, counted from its top-left corner inside
    /// its rectangle; shaped controls let the mouse through where they show nothing.
    [[nodiscard]] virtual bool hitsPixel(QPointF /*pixel*/) const { return true; }

    /// Takes the properties of its design row that this kind of control has: place and size,
    /// Visible, Enabled, ToolTipText and mouse pointer here, the rest in each kind.
    virtual void applyDesign(const ControlDesign& design, const DesignPictures& pictures);

    ControlEvents events;
    [[nodiscard]] ControlEvents& eventSlots() override { return events; }

protected:
    Control(Container& container, QString name, Layer layer);

    /// Enters the control with its design row into its form's design (designed constructors).
    void designAs(const ControlDesign& design);
    /// Copies what every control has, except Visible, which a new element starts without.
    void copyControlPropertiesFrom(const Control& other);
    /// Called after Left, Top, Width or Height changed.
    virtual void geometryChanged() {}
    /// Sets the size from pixels without the hooks that user changes run.
    void setPixelSize(double widthPixels, double heightPixels);
    /// Works out a size left until it is needed; runs before the geometry is read or changed.
    virtual void settleSize() const {}
    /// Takes the size settleSize worked out, in pixels. It counts no change and runs no hook:
    /// the change that left the size to be worked out was counted already.
    void setSettledPixelSize(double widthPixels, double heightPixels) const;

private:
    struct Geometry {
        double left = 0;
        double top = 0;
        double width = 0;
        double height = 0;
        bool operator==(const Geometry&) const = default;
    };
    void setGeometry(const Geometry& geometry);
    [[nodiscard]] const Geometry& geometry() const {
        settleSize();
        return geometry_;
    }
    friend class Container;

    Container* container_;
    Layer layer_;
    mutable Geometry geometry_;
    bool visible_ = true;
    QString toolTipText_;
    int mousePointer_ = pointer::kDefault;
    QImage mouseIcon_;
};

} // namespace qv::forms
