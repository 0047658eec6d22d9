#include "controls/picture_button.h"

#include "controls/host_errors.h"
#include "forms/container.h"
#include "forms/fonts.h"

#include <QFontMetricsF>
#include <QPainter>

namespace qv::controls {

using namespace Qt::StringLiterals;

namespace {

constexpr forms::OleColor kDefaultCaptionColour = 0x00FFFFFF;

} // namespace

inode_pic::inode_pic(forms::Container& container, QString name)
    : KeyedControl(container, std::move(name), u"inode_pic"_s, qRgb(255, 255, 255)),
      caption_(u"1"_s), fontSize_(10), color_(kDefaultCaptionColour) {}

inode_pic::inode_pic(forms::Container& container, QString name, const forms::ControlDesign& design)
    : KeyedControl(container, std::move(name), u"inode_pic"_s, design, qRgb(255, 255, 255)),
      caption_(u"1"_s), fontSize_(10), color_(kDefaultCaptionColour) {}

void inode_pic::setIState(std::uint8_t state) {
    state_ = state;
    refresh();
}

void inode_pic::setEnabled(bool enabled) {
    KeyedControl::setEnabled(enabled);
    refresh();
}

void inode_pic::setICaption(const QString& caption) {
    caption_ = caption;
    refresh();
}

void inode_pic::setMouseOriPic(const QImage& picture, Store store) {
    normalPic_ = picture;
    if (picture.isNull()) {
        return;
    }
    if (store == Store::Set) {
        sizeToPicture(picture);
    }
    drawPicture(picture);
    changed();
}

void inode_pic::init() {
    KeyedControl::setEnabled(true);
    surface().clear();
    caption_.clear();
    fontName_ = u"宋体"_s;
    fontSize_ = 10;
    color_ = 0;
    normalPic_ = QImage();
    hoverPic_ = QImage();
    selectedPic_ = QImage();
    cursorPic_ = QImage();
    changed();
}

void inode_pic::MouseIn() {
    if (enabled() && state_ == 0 && !hoverPic_.isNull()) {
        state_ = 1;
        refresh();
    }
}

void inode_pic::SelectItem() {
    if (!enabled()) {
        return;
    }
    if (state_ != 2 && !selectedPic_.isNull()) {
        state_ = 2;
        refresh();
    }
    raiseClick();
}

void inode_pic::MouseOut() {
    if (enabled() && state_ == 1 && !normalPic_.isNull()) {
        state_ = 0;
        refresh();
    }
}

void inode_pic::refresh(bool /*unused*/) {
    drawnSize_ = surface().size();
    surface().clear();
    QImage picture;
    if (!enabled()) {
        picture = disabledPic_;
    } else if (state_ == 0) {
        picture = normalPic_;
    } else if (state_ == 1) {
        picture = hoverPic_;
    } else if (state_ == 2) {
        picture = selectedPic_;
    }
    if (!picture.isNull()) {
        drawPicture(picture);
    }
    if (!fontName_.isEmpty() && !caption_.isEmpty() && fontSize_ > 0) {
        drawCaption();
    }
    if (!cursorPic_.isNull()) {
        setMousePointer(forms::pointer::kCustom);
        setMouseIcon(cursorPic_);
    }
    KeyedControl::refresh();
}

void inode_pic::drawPicture(const QImage& picture) {
    // Stretched pixel for pixel, so white stays exactly white and the shape keeps its edges.
    KeyedSurface& canvas = surface();
    const QImage stretched =
        picture.scaled(canvas.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    canvas.setShape(stretched);
    QPainter painter(&canvas.image());
    painter.drawImage(0, 0, stretched);
    canvas.drawn();
}

void inode_pic::drawCaption() {
    QFont font(fontName_);
    font.setPointSizeF(fontSize_);
    font = forms::pixelFont(font);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(caption_);
    KeyedSurface& canvas = surface();
    const QSize size = canvas.size();
    const QPointF topLeft((size.width() - width) / 2.0, (size.height() - metrics.height()) / 2.0);
    QPainter painter(&canvas.image());
    painter.setFont(font);
    painter.setPen(forms::toQColor(color_));
    painter.drawText(topLeft + QPointF(0, metrics.ascent()), caption_);
    canvas.drawn();
}

void inode_pic::geometryChanged() {
    if (surface().size() != drawnSize_) {
        refresh();
    }
}

void inode_pic::mouseDownInput(int button, int shift, double x, double y) {
    if (!enabled()) {
        return;
    }
    ignoringHostErrors([&] { raiseMouseDown(button, shift, x, y); });
    SelectItem();
}

void inode_pic::mouseMoveInput(int button, int shift, double x, double y) {
    if (!enabled()) {
        return;
    }
    ignoringHostErrors([&] { raiseMouseMove(button, shift, x, y); });
    MouseIn();
}

void inode_pic::mouseUpInput(int button, int shift, double x, double y) {
    if (enabled()) {
        raiseMouseUp(button, shift, x, y);
    }
}

} // namespace qv::controls
