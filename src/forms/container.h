#pragma once

#include "forms/color.h"
#include "forms/deferred_picture.h"
#include "forms/units.h"

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>
#include <variant>
#include <vector>

class QPainter;

namespace qv::forms {

class Component;
class Control;

/// A form or a picture box: holds controls in two z-order layers, counts their positions in its
/// own unit, and has a drawing surface (background colour, picture, and what is painted on it).
class Container {
public:
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;
    virtual ~Container() = default;

    /// The container as a component (the form, or the picture box control).
    [[nodiscard]] virtual Component& component() = 0;
    [[nodiscard]] virtual const Component& component() const = 0;
    /// Size of the inner area in pixels.
    [[nodiscard]] virtual QSizeF innerPixelSize() const = 0;
    /// Top-left corner of the inner area in the form's pixels.
    [[nodiscard]] virtual QPointF originInForm() const = 0;
    /// Whether the container itself is shown (with every container above it).
    [[nodiscard]] virtual bool shownInForm() const = 0;

    // Unit and scale. Changing the mode keeps every control where it is on the screen.
    [[nodiscard]] ScaleMode scaleMode() const { return scaleMode_; }
    void setScaleMode(ScaleMode mode);
    [[nodiscard]] double scaleLeft() const { return scaleLeft_; }
    [[nodiscard]] double scaleTop() const { return scaleTop_; }
    [[nodiscard]] double scaleWidth() const;
    [[nodiscard]] double scaleHeight() const;
    void setScaleLeft(double left);
    void setScaleTop(double top);
    void setScaleWidth(double width);
    void setScaleHeight(double height);
    /// A user scale whose inner area runs from (x1, y1) at the top left to (x2, y2).
    void scale(double x1, double y1, double x2, double y2);

    // Conversions between this container's unit and its inner pixels.
    [[nodiscard]] double xToPixels(double x) const;
    [[nodiscard]] double yToPixels(double y) const;
    [[nodiscard]] double xFromPixels(double px) const;
    [[nodiscard]] double yFromPixels(double py) const;
    [[nodiscard]] double widthToPixels(double width) const;
    [[nodiscard]] double heightToPixels(double height) const;
    [[nodiscard]] double widthFromPixels(double px) const;
    [[nodiscard]] double heightFromPixels(double py) const;
    [[nodiscard]] QRectF rectToPixels(double left, double top, double width, double height) const;

    /// Back to front; windowless ones are all drawn below the windowed ones.
    [[nodiscard]] const std::vector<Control*>& windowlessControls() const { return windowless_; }
    [[nodiscard]] const std::vector<Control*>& windowedControls() const { return windowed_; }
    /// The topmost visible, enabled control at `pixel` (inner pixels), looking into windowed
    /// containers; null when the point falls on the container itself.
    [[nodiscard]] Control* hitTest(QPointF pixel) const;

    // Drawing surface.
    [[nodiscard]] OleColor backColor() const { return backColor_; }
    void setBackColor(OleColor color);
    [[nodiscard]] OleColor foreColor() const { return foreColor_; }
    void setForeColor(OleColor color);
    [[nodiscard]] const QFont& font() const { return font_; }
    void setFont(const QFont& font);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontName(const QString& name);
    /// The background picture's pixels, read now if they were deferred.
    [[nodiscard]] const QImage& picture() const { return picture_.image(); }
    /// The background picture as it is held, without reading deferred pixels.
    [[nodiscard]] const DeferredPicture& heldPicture() const { return picture_; }
    void setPicture(const QImage& picture) { setPicture(DeferredPicture(picture)); }
    /// Replaces the background picture; what was painted on the surface is cleared with it.
    virtual void setPicture(DeferredPicture picture);
    [[nodiscard]] bool autoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on);

    /// Clears what was painted; the background colour and picture stay.
    void cls();
    /// Paints `picture` at (x, y), stretched to width x height when given; the source rectangle
    /// defaults to the whole picture. All values count in this container's unit. A deferred
    /// picture's pixels are read when the surface is first drawn.
    void paintPicture(const DeferredPicture& picture, double x, double y,
                      std::optional<double> width = std::nullopt,
                      std::optional<double> height = std::nullopt,
                      std::optional<double> sourceX = std::nullopt,
                      std::optional<double> sourceY = std::nullopt,
                      std::optional<double> sourceWidth = std::nullopt,
                      std::optional<double> sourceHeight = std::nullopt);
    template <typename... SizeAndSource>
    void paintPicture(const QImage& picture, double x, double y, SizeAndSource... area) {
        paintPicture(DeferredPicture(picture), x, y, area...);
    }
    [[nodiscard]] double currentX() const { return currentX_; }
    [[nodiscard]] double currentY() const { return currentY_; }
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }
    /// Writes a line of text at (CurrentX, CurrentY) in the surface's font and colour, then moves
    /// CurrentY to the next line and CurrentX back to the left edge.
    void print(const QString& text);
    [[nodiscard]] double textWidth(const QString& text) const;
    [[nodiscard]] double textHeight(const QString& text) const;
    /// The colour at (x, y) of the background, picture and painting; -1 outside the surface.
    [[nodiscard]] std::int64_t point(double x, double y) const;

    /// What was painted, in inner pixels; transparent where nothing was. Made when first read
    /// after a change: the surface keeps what is painted on it, not its pixels.
    [[nodiscard]] const QImage& drawing() const;
    /// Paints what was painted on the surface onto `painter`, whose origin is the surface's
    /// top-left inner pixel, as `drawing()` shows it.
    void drawDrawing(QPainter& painter) const;
    /// Background colour, picture and painting together, as the surface shows them.
    [[nodiscard]] QImage composedImage() const;

protected:
    Container();
    /// Keeps the painting when the inner area grows.
    void fitDrawing();
    void copySurfacePropertiesFrom(const Container& other);

private:
    friend class Control;
    void attach(Control& control);
    void detach(Control& control);
    void moveInLayer(Control& control, bool toFront);
    [[nodiscard]] std::vector<Control*>& layerOf(const Control& control);
    /// A picture painted on the surface: the picture is shared, not copied.
    struct PaintedPicture {
        DeferredPicture picture;
        QRectF target;
        QRectF source;
    };
    /// A line printed on the surface.
    struct PrintedText {
        QFont font;
        QColor colour;
        QPointF baseline;
        QString text;
    };
    /// What was painted, with the surface's extent when it was, which clips it.
    struct Stroke {
        std::variant<PaintedPicture, PrintedText> what;
        QRect clip;
    };
    void addStroke(std::variant<PaintedPicture, PrintedText> what);
    void clearDrawing();
    void surfaceChanged();
    /// Works out the sizes controls left until needed while the units they count in hold.
    void settleControlSizes() const;

    std::vector<Control*> windowless_;
    std::vector<Control*> windowed_;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    double scaleLeft_ = 0;
    double scaleTop_ = 0;
    double unitTwipsX_ = 1;
    double unitTwipsY_ = 1;
    OleColor backColor_ = systemColor(15);
    OleColor foreColor_ = systemColor(18);
    QFont font_;
    DeferredPicture picture_;
    /// The surface's extent in pixels since it was first painted; it grows with the inner area
    /// and never shrinks, and empty until something is painted.
    QSize drawingSize_;
    std::vector<Stroke> strokes_;
    /// `drawing()`'s pixels, made when first read after a change.
    mutable QImage drawing_;
    bool autoRedraw_ = false;
    double currentX_ = 0;
    double currentY_ = 0;
};

} // namespace qv::forms
