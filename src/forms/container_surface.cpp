#include "forms/component.h"
#include "forms/container.h"
#include "forms/fonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace qv::forms {

namespace {

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
    drawing_ = QImage();
    surfaceChanged();
}

void Container::setAutoRedraw(bool on) {
    autoRedraw_ = on;
    surfaceChanged();
}

void Container::cls() {
    drawing_ = QImage();
    currentX_ = scaleLeft_;
    currentY_ = scaleTop_;
    surfaceChanged();
}

void Container::fitDrawing() {
    const QSize wanted = ceilSize(innerPixelSize());
    if (drawing_.isNull() ||
        (drawing_.width() >= wanted.width() && drawing_.height() >= wanted.height())) {
        return;
    }
    QImage grown(wanted.expandedTo(drawing_.size()), QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    QPainter painter(&grown);
    painter.drawImage(0, 0, drawing_);
    drawing_ = grown;
}

QImage& Container::drawingForPaint() {
    if (drawing_.isNull()) {
        drawing_ = QImage(ceilSize(innerPixelSize()).expandedTo({1, 1}),
                          QImage::Format_ARGB32_Premultiplied);
        drawing_.fill(Qt::transparent);
    }
    fitDrawing();
    return drawing_;
}

void Container::paintPicture(const QImage& picture, double x, double y, std::optional<double> width,
                             std::optional<double> height, std::optional<double> sourceX,
                             std::optional<double> sourceY, std::optional<double> sourceWidth,
                             std::optional<double> sourceHeight) {
    if (picture.isNull()) {
        return;
    }
    const QRectF source(sourceX ? widthToPixels(*sourceX) : 0.0,
                        sourceY ? heightToPixels(*sourceY) : 0.0,
                        sourceWidth ? widthToPixels(*sourceWidth) : picture.width(),
                        sourceHeight ? heightToPixels(*sourceHeight) : picture.height());
    const QRectF target(xToPixels(x), yToPixels(y), width ? widthToPixels(*width) : source.width(),
                        height ? heightToPixels(*height) : source.height());
    QPainter painter(&drawingForPaint());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture, source);
    painter.end();
    surfaceChanged();
}

void Container::print(const QString& text) {
    const QFont font = pixelFont(font_);
    const QFontMetricsF metrics(font);
    QPainter painter(&drawingForPaint());
    painter.setFont(font);
    painter.setPen(toQColor(foreColor_));
    painter.drawText(QPointF(xToPixels(currentX_), yToPixels(currentY_) + metrics.ascent()), text);
    painter.end();
    currentX_ = scaleLeft_;
    currentY_ += heightFromPixels(metrics.height());
    surfaceChanged();
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
    painter.drawImage(0, 0, drawing_);
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
