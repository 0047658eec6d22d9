#include "controls/scrolling_banner.h"

#include "common/vb_text.h"
#include "forms/fonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qv::controls {

using namespace Qt::StringLiterals;

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr int kLargestFont = 24;
constexpr int kSmallestFont = 8;

/// Whole pixels as the platform rounds them: halves to the even neighbour.
int roundPixels(double value) {
    return static_cast<int>(std::lrint(value));
}

} // namespace

moveWord::moveWord(forms::Container& container, QString name)
    : KeyedControl(container, name, u"moveWord"_s, kRed, QColor(kRed)),
      timer_(container, name + u"_step"_s) {
    setUp();
}

moveWord::moveWord(forms::Container& container, QString name, const forms::ControlDesign& design)
    : KeyedControl(container, name, u"moveWord"_s, design, kRed, QColor(kRed)),
      timer_(container, name + u"_step"_s) {
    setUp();
}

void moveWord::setUp() {
    font_ = QFont(u"宋体"_s);
    font_.setPointSize(18);
    font_.setBold(true);
    timer_.setEnabled(false);
    timer_.events.timer = [this] {
        tick();
    };
}

void moveWord::setFontSize(std::int16_t points) {
    font_.setPointSize(points > kLargestFont     ? kLargestFont
                       : points <= kSmallestFont ? kSmallestFont
                                                 : points);
}

void moveWord::setBackPic(const QImage& picture) {
    backPic_ = picture;
    if (picture.isNull()) {
        return;
    }
    sizeToPicture(picture);
    surface().setShape(picture);
    changed();
}

int moveWord::pending() const {
    return (writeIndex_ - readIndex_ + kRingSize) % kRingSize;
}

double moveWord::Add(const QString& text, forms::OleColor foreColor, forms::OleColor shadeColor,
                     std::uint8_t Pri) {
    const QString trimmed = vbTrim(text);
    // A full ring refuses: one more would make the indices meet and the queue look empty.
    if (trimmed.isEmpty() || pending() >= kRingSize - 1) {
        return 0;
    }
    idCounter_ += 1;
    int slot = writeIndex_;
    if (Pri == 0 || stepCounter_ == 0) {
        writeIndex_ = (writeIndex_ + 1) % kRingSize;
    } else {
        // The slot of the message showing, already copied out: the next one read.
        slot = readIndex_;
        readIndex_ = (readIndex_ + kRingSize - 1) % kRingSize;
    }
    ring_[static_cast<std::size_t>(slot)] = {idCounter_, trimmed, foreColor, shadeColor};
    if (!timer_.enabled()) {
        timer_.setInterval(speed_);
        timer_.setEnabled(true);
        stepCounter_ = 0;
        stepTotal_ = 0;
    }
    return idCounter_;
}

void moveWord::tick() {
    if (stepCounter_ == 0) {
        if (readIndex_ == writeIndex_) {
            return;
        }
        current_ = ring_[static_cast<std::size_t>(readIndex_)];
        const double width =
            QFontMetricsF(forms::pixelFont(font_)).horizontalAdvance(current_.text + u"  "_s);
        stepTotal_ = roundPixels(width + surface().size().width()) / stepWidth_ + 1;
        PrintText(current_.text, current_.textColor, current_.shadeColor);
        stepCounter_ = 1;
        return;
    }
    if (stepCounter_ > stepTotal_ && stepTotal_ > 0) {
        if (endShow) {
            endShow(current_.id);
        }
        readIndex_ = (readIndex_ + 1) % kRingSize;
        stepCounter_ = 0;
        return;
    }
    PrintText(current_.text, current_.textColor, current_.shadeColor);
    ++stepCounter_;
}

void moveWord::PrintText(const QString& text, forms::OleColor fColor, forms::OleColor rColor) {
    KeyedSurface& canvas = surface();
    canvas.clear(QColor(kRed));
    const QSize size = canvas.size();
    QPainter painter(&canvas.image());
    if (!backPic_.isNull()) {
        painter.drawImage(QRect(QPoint(), size), backPic_);
    }
    if (!text.isEmpty()) {
        const QRect rect(QPoint(size.width() - stepWidth_ * stepCounter_, 2),
                         QPoint(size.width() - 1, size.height() - 1));
        // Plain edges: a blended edge would tint the text with the see-through red.
        QFont font = forms::pixelFont(font_);
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        const auto draw = [&](QRect box, forms::OleColor color) {
            painter.setClipRect(box);
            painter.setPen(forms::toQColor(color));
            painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        };
        if (shade_) {
            draw(rect, rColor);
        }
        draw(rect.adjusted(-1, -1, 0, 0), fColor);
    }
    painter.end();
    canvas.shapeFromSurface();
    changed();
}

} // namespace qv::controls
