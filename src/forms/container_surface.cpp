#include "forms/component.h"
#include "forms/container.h"
#include "forms/fonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace qv::forms {

namespace {

constexpr std::size_t kMostStrokes = 64;

QSize ceilSize(QSizeF size) {
    return {static_cast<int>(std::ceil(std::max(0.0, size.width()))),
            static_cast<int>(std::ceil(std::max(0.0, size.height())))};
}

} // namespace

void Container::surfaceChanged() {
    component().changed();
}

void Container::setBackColor(OleColor color) {
    backColor_ = color;
    surfaceChanged();
}

void Container::setForeColor(OleColor color) {
    foreColor_ = color;
    surfaceChanged();
}

void Container::setFont(const QFont& font) {
    font_ = font;
    surfaceChanged();
}

void Container::setFontSize(double points) {
    font_.setPointSizeF(points);
    surfaceChanged();
}

void Container::setFontBold(bool bold) {
    font_.setBold(bold);
    surfaceChanged();
}

void Container::setFontName(const QString& name) {
    font_.setFamily(name);
    surfaceChanged();
}

void Container::setPicture(DeferredPicture picture) {
    picture_ = std::move(picture);
    clearDrawing();
    surfaceChanged();
}

void Container::setAutoRedraw(bool on) {
    autoRedraw_ = on;
    surfaceChanged();
}

void Container::cls() {
    clearDrawing();
    currentX_ = scaleLeft_;
    currentY_ = scaleTop_;
    surfaceChanged();
}

void Container::clearDrawing() {
    drawingSize_ = QSize();
    strokes_.clear();
    drawing_ = QImage();
}

void Container::fitDrawing() {
    if (!drawingSize_.isEmpty()) {
        drawingSize_ = drawingSize_.expandedTo(ceilSize(innerPixelSize()));
        drawing_ = QImage();
    }
}

void Container::addStroke(std::variant<PaintedPicture, PrintedText> what) {
    // Painting over and over without a Cls keeps the surface's cost bounded: past a few dozen
    // strokes, what was painted is kept as the pixels it made.
    if (strokes_.size() >= kMostStrokes) {
        const QImage pixels = drawing();
        const QRect whole(QPoint(), pixels.size());
        strokes_.assign(1, Stroke{PaintedPicture{DeferredPicture(pixels), whole, whole}, whole});
    }
    drawingSize_ = drawingSize_.expandedTo(ceilSize(innerPixelSize()).expandedTo({1, 1}));
    strokes_.push_back(Stroke{std::move(what), QRect(QPoint(), drawingSize_)});
    drawing_ = QImage();
    surfaceChanged();
}

void Container::drawDrawing(QPainter& painter) const {
    for (const Stroke& stroke : strokes_) {
        painter.save();
        painter.setClipRect(stroke.clip, Qt::IntersectClip);
        if (const auto* picture = std::get_if<PaintedPicture>(&stroke.what)) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(picture->target, picture->picture.image(), picture->source);
        } else {
            const auto& text = std::get<PrintedText>(stroke.what);
            painter.setFont(text.font);
            painter.setPen(text.colour);
            painter.drawText(text.baseline, text.text);
        }
        painter.restore();
    }
}

const QImage& Container::drawing() const {
    if (drawing_.isNull() && !drawingSize_.isEmpty()) {
        drawing_ = QImage(drawingSize_, QImage::Format_ARGB32_Premultiplied);
        drawing_.fill(Qt::transparent);
        QPainter painter(&drawing_);
        drawDrawing(painter);
    }
    return drawing_;
}

void Container::paintPicture(const DeferredPicture& picture, double x, double y,
                             std::optional<double> width, std::optional<double> height,
                             std::optional<double> sourceX, std::optional<double> sourceY,
                             std::optional<double> sourceWidth,
                             std::optional<double> sourceHeight) {
    if (picture.isNull()) {
        return;
    }
    const QRectF source(sourceX ? widthToPixels(*sourceX) : 0.0,
                        sourceY ? heightToPixels(*sourceY) : 0.0,
                        sourceWidth ? widthToPixels(*sourceWidth) : picture.size().width(),
                        sourceHeight ? heightToPixels(*sourceHeight) : picture.size().height());
    const QRectF target(xToPixels(x), yToPixels(y), width ? widthToPixels(*width) : source.width(),
                        height ? heightToPixels(*height) : source.height());
    addStroke(PaintedPicture{picture, target, source});
}

void Container::print(const QString& text) {
    const QFont font = pixelFont(font_);
    const QFontMetricsF metrics(font);
    addStroke(PrintedText{font, toQColor(foreColor_),
                          QPointF(xToPixels(currentX_), yToPixels(currentY_) + metrics.ascent()),
                          text});
    currentX_ = scaleLeft_;
    currentY_ += heightFromPixels(metrics.height());
}

double Container::textWidth(const QString& text) const {
    return widthFromPixels(QFontMetricsF(pixelFont(font_)).horizontalAdvance(text));
}

double Container::textHeight(const QString& text) const {
    const QFontMetricsF metrics(pixelFont(font_));
    const auto lines = std::max<qsizetype>(1, text.count(QLatin1Char('\n')) + 1);
    return heightFromPixels(metrics.height() * static_cast<double>(lines));
}

QImage Container::composedImage() const {
    QImage image(ceilSize(innerPixelSize()).expandedTo({1, 1}), QImage::Format_RGB32);
    image.fill(toQColor(backColor_));
    QPainter painter(&image);
    painter.drawImage(0, 0, picture());
    painter.drawImage(0, 0, drawing());
    return image;
}

std::int64_t Container::point(double x, double y) const {
    const QPointF pixel(xToPixels(x), yToPixels(y));
    const QSizeF size = innerPixelSize();
    if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= size.width() || pixel.y() >= size.height()) {
        return -1;
    }
    const QImage image = composedImage();
    return toOleColor(image.pixelColor(static_cast<int>(pixel.x()), static_cast<int>(pixel.y())));
}

void Container::copySurfacePropertiesFrom(const Container& other) {
    settleControlSizes();
    scaleMode_ = other.scaleMode_;
    scaleLeft_ = other.scaleLeft_;
    scaleTop_ = other.scaleTop_;
    unitTwipsX_ = other.unitTwipsX_;
    unitTwipsY_ = other.unitTwipsY_;
    backColor_ = other.backColor_;
    foreColor_ = other.foreColor_;
    font_ = other.font_;
    picture_ = other.picture_;
    autoRedraw_ = other.autoRedraw_;
    surfaceChanged();
}

} // namespace qv::forms
