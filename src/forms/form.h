#pragma once

#include "forms/component.h"
#include "forms/container.h"
#include "forms/design.h"
#include "forms/events.h"

#include <QRegion>

#include <functional>
#include <span>
#include <vector>

namespace qv::platform {
class TimeService;
}

namespace qv::forms {

class Control;
class FormHost;

/// Window states as the platform numbers them.
namespace window_state {
inline constexpr int kNormal = 0;
inline constexpr int kMinimized = 1;
inline constexpr int kMaximized = 2;
} // namespace window_state

/// A window of the program. Position and size count in twips (15 to a pixel); the inner area is
/// the whole window (the game's windows draw their own frames). A form is created and loaded by
/// its `FormHost` on first reference and discarded by `unload`.
class Form : public Component, public Container {
public:
    Form(FormHost& host, QString name);
    ~Form() override;

    [[nodiscard]] FormHost& host() const { return *host_; }
    [[nodiscard]] platform::TimeService& time() const;

    [[nodiscard]] const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

    [[nodiscard]] double left() const { return left_; }
    [[nodiscard]] double top() const { return top_; }
    [[nodiscard]] double width() const { return width_; }
    [[nodiscard]] double height() const { return height_; }
    void setLeft(double left);
    void setTop(double top);
    void setWidth(double width);
    void setHeight(double height);
    /// Moves and optionally sizes the window in one change; a size change raises Resize.
    void move(double left, std::optional<double> top = std::nullopt,
              std::optional<double> width = std::nullopt,
              std::optional<double> height = std::nullopt);

    [[nodiscard]] bool visible() const { return visible_; }
    void setVisible(bool visible);
    /// Shows the window and activates it. Modal (1) returns only once the form is hidden or
    /// unloaded, delivering events meanwhile; `owner` keeps the window above its owner.
    void show(int modal = 0, Form* owner = nullptr);
    void hide();
    [[nodiscard]] Form* owner() const { return owner_; }
    [[nodiscard]] bool modal() const { return modal_; }

    [[nodiscard]] int windowState() const { return windowState_; }
    /// Minimises, restores or maximises; raises Resize.
    void setWindowState(int state);
    /// 0 (invisible) to 255 (opaque).
    [[nodiscard]] int opacity() const { return opacity_; }
    void setOpacity(int alpha);
    [[nodiscard]] bool topmost() const { return topmost_; }
    void setTopmost(bool topmost);
    /// The window's outline in its pixels; empty means the whole rectangle.
    [[nodiscard]] const QRegion& shape() const { return shape_; }
    void setShape(const QRegion& shape);
    /// 0 draws no frame or title bar; anything else gives the window the system's frame.
    [[nodiscard]] int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    [[nodiscard]] const QImage& icon() const { return icon_; }
    void setIcon(const QImage& icon);
    /// When set, the form's key events run before those of the control that has the focus.
    [[nodiscard]] bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool on);

    /// The control that has the keyboard focus within the form, or null.
    [[nodiscard]] Control* activeControl() const { return activeControl_; }
    /// Gives `control` the focus; false (and nothing changes) when it is hidden, disabled,
    /// windowless or the form is not visible.
    bool setFocusTo(Control& control);
    /// Forgets a control that is going away or can no longer hold the focus.
    void dropFocus(const Control& control);

    /// Lets the user drag the window while the left button is down (title bars drawn by the game).
    void beginMove();
    /// Paints the window again now, without waiting for the event loop.
    void refresh();
    /// Runs `step` from the event loop once the form's window has been drawn on the screen for the
    /// first time; as a posted event when it already has been, or when nothing draws forms.
    void whenDrawn(std::function<void()> step);
    /// The window system reports, from the event loop, that the window's first drawing is over.
    void drawn();
    /// Unloads the form as code does; false when a handler cancelled.
    bool unload();
    [[nodiscard]] bool loaded() const { return loaded_; }

    /// The designed controls with their design rows, in the order the controls were declared
    /// (containers before their contents).
    [[nodiscard]] std::span<const DesignedControl> design() const { return design_; }

    /// Counts every change of the form and its controls.
    [[nodiscard]] std::uint64_t changeCount() const { return changeCount_; }
    /// The one listener told of changes (the window that shows the form); empty to stop.
    void setChangeListener(std::function<void()> listener);
    void noteChange();

    FormEvents events;
    [[nodiscard]] ControlEvents& eventSlots() override { return events; }

    void raiseLoad();
    void raiseActivate();
    void raiseDeactivate();
    void raiseResize();
    /// QueryUnload then Unload; true when neither handler cancelled.
    bool raiseUnloadEvents(int unloadMode);

    // Container.
    [[nodiscard]] Component& component() override { return *this; }
    [[nodiscard]] const Component& component() const override { return *this; }
    [[nodiscard]] QSizeF innerPixelSize() const override;
    [[nodiscard]] QPointF originInForm() const override { return {}; }
    [[nodiscard]] bool shownInForm() const override { return visible_; }

private:
    friend class FormHost;
    friend class Control;
    void addDesign(Control& control, const ControlDesign& design);
    void setGeometryTwips(double left, double top, double width, double height);

    FormHost* host_;
    QString caption_;
    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
    bool visible_ = false;
    bool shownOnce_ = false;
    bool modal_ = false;
    Form* owner_ = nullptr;
    int windowState_ = window_state::kNormal;
    int opacity_ = 255;
    bool topmost_ = false;
    QRegion shape_;
    int borderStyle_ = 2;
    QImage icon_;
    bool keyPreview_ = false;
    Control* activeControl_ = nullptr;
    bool loaded_ = true;
    std::uint64_t changeCount_ = 0;
    std::function<void()> changeListener_;
    bool drawn_ = false;
    std::vector<std::function<void()>> afterDrawing_;
    std::vector<DesignedControl> design_;
};

} // namespace qv::forms
