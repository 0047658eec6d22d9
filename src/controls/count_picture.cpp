#include "controls/count_picture.h"

#include "controls/host_errors.h"
#include "forms/fonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace qv::controls {

using namespace Qt::StringLiterals;

iPic::iPic(forms::Container& container, QString name)
    : KeyedControl(container, std::move(name), u"iPic"_s, qRgb(255, 0, 0)),
      font_(forms::defaultFont()) {}

std::int16_t iPic::FontSize() const {
    return static_cast<std::int16_t>(std::lround(font_.pointSizeF()));
}

void iPic::setFontSize(std::int16_t points) {
    font_.setPointSize(points >= 13 ? 12 : points <= 8 ? 8 : points);
    refresh();
}

void iPic::setText(const QString& text) {
    text_ = text;
    refresh();
}

void iPic::setBackPic(const QImage& picture) {
    backPic_ = picture;
    if (picture.isNull()) {
        return;
    }
    sizeToPicture(picture);
    surface().setShape(picture);
    drawPicture();
    KeyedControl::refresh();
}

void iPic::refresh() {
    KeyedSurface& canvas = surface();
    canvas.clear();
    if (!backPic_.isNull()) {
        if (text_.isEmpty()) {
            canvas.setShape(
                backPic_.scaled(canvas.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
            drawPicture();
        } else {
            drawPicture();
            QFont font = forms::pixelFont(font_);
            font.setBold(true);
            const QFontMetricsF metrics(font);
            const QSize size = canvas.size();
            QPainter painter(&canvas.image());
            painter.setFont(font);
            painter.setPen(Qt::white);
            painter.drawText(QPointF(size.width() - metrics.horizontalAdvance(text_),
                                     size.height() - metrics.height() + metrics.ascent()),
                             text_);
            painter.end();
            canvas.shapeFromSurface();
        }
    }
    KeyedControl::refresh();
}

void iPic::drawPicture() {
    KeyedSurface& canvas = surface();
    QPainter painter(&canvas.image());
    painter.drawImage(QRect(QPoint(), canvas.size()), backPic_);
    canvas.drawn();
}

void iPic::mouseMoveInput(int button, int shift, double x, double y) {
    ignoringHostErrors([&] { raiseMouseMove(button, shift, x, y); });
}

} // namespace qv::controls
