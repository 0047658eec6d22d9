#pragma once

#include "controls/keyed_control.h"
#include "forms/color.h"

#include <QFont>
#include <QImage>

#include <cstdint>

namespace qv::controls {

/// The game's picture button: one of four pictures by its state (0 normal, 1 hover,
/// 2 selected; the disabled picture whenever it is disabled) with a caption centred over it.
/// The picture drawn last is the button's shape: its white pixels show nothing and let the
/// mouse through. The mouse over it switches to the hover picture; only the host's `MouseOut`
/// switches back. A press raises MouseDown, then Click.
class inode_pic : public KeyedControl {
public:
    /// How a picture is stored: `Set` first sizes the control to the picture.
    enum class Store { Assign, Set };

    /// A new control as a window loads it with no saved properties: caption "1", size 10,
    /// colour white, no font name (so no caption drawn yet).
    inode_pic(forms::Container& container, QString name);
    inode_pic(forms::Container& container, QString name, const forms::ControlDesign& design);

    /// Stored; nothing reads it.
    void setAlignment(std::int32_t alignment) { alignment_ = alignment; }
    [[nodiscard]] std::uint8_t iState() const { return state_; }
    void setIState(std::uint8_t state);
    void setEnabled(bool enabled) override;
    [[nodiscard]] const QString& iCaption() const { return caption_; }
    void setICaption(const QString& caption);
    /// The caption's font name.
    [[nodiscard]] const QString& iFont() const { return fontName_; }
    void setIFontName(const QString& name) { fontName_ = name; }
    [[nodiscard]] std::int16_t iFontSize() const { return fontSize_; }
    void setIFontSize(std::int16_t points) { fontSize_ = points; }
    [[nodiscard]] forms::OleColor iColor() const { return color_; }
    void setIColor(forms::OleColor color) { color_ = color; }

    [[nodiscard]] const QImage& MouseInPic() const { return hoverPic_; }
    void setMouseInPic(const QImage& picture) { hoverPic_ = picture; }
    /// The normal picture; a picture (not none) becomes the shape and is drawn at once, without
    /// clearing and without the caption.
    [[nodiscard]] const QImage& MouseOriPic() const { return normalPic_; }
    void setMouseOriPic(const QImage& picture, Store store = Store::Assign);
    [[nodiscard]] const QImage& iSelectPic() const { return selectedPic_; }
    void setISelectPic(const QImage& picture) { selectedPic_ = picture; }
    [[nodiscard]] const QImage& iNotPic() const { return disabledPic_; }
    void setINotPic(const QImage& picture) { disabledPic_ = picture; }
    /// The control's `MouseIcon`: the cursor picture the next `refresh` applies.
    [[nodiscard]] const QImage& cursorPicture() const { return cursorPic_; }
    void setCursorPicture(const QImage& picture) { cursorPic_ = picture; }

    /// Enabled, surface cleared, empty caption in "宋体" 10 colour 0, no normal, hover, selected
    /// or cursor picture; the disabled picture and the state stay. Repaints nothing.
    void init();
    void MouseIn();
    /// Selects the button when it has a selected picture, then raises Click.
    void SelectItem();
    void MouseOut();
    /// Draws the button anew: the picture of its state, the caption, the cursor.
    void refresh(bool unused = false);

    void mouseDownInput(int button, int shift, double x, double y) override;
    void mouseMoveInput(int button, int shift, double x, double y) override;
    void mouseUpInput(int button, int shift, double x, double y) override;
    void clickInput() override {}

protected:
    void geometryChanged() override;

private:
    /// The picture as the shape, drawn stretched over the whole surface.
    void drawPicture(const QImage& picture);
    void drawCaption();

    std::uint8_t state_ = 0;
    QString caption_;
    QString fontName_;
    std::int16_t fontSize_ = 0;
    forms::OleColor color_ = 0;
    QImage normalPic_;
    QImage hoverPic_;
    QImage selectedPic_;
    QImage disabledPic_;
    QImage cursorPic_;
    std::int32_t alignment_ = 0;
    /// The surface's size when last drawn: a new size draws the button anew.
    QSize drawnSize_;
};

} // namespace qv::controls
