#include "controls/sprite_animation.h"

#include "common/picture_resources.h"

#include <QPainter>

namespace qv::controls {

using namespace Qt::StringLiterals;

APNG::APNG(forms::Container& container, QString name)
    : UserControl(container, name, u"APNG"_s), timer_(container, name + u"_step"_s) {
    setUpTimer();
}

APNG::APNG(forms::Container& container, QString name, const forms::ControlDesign& design)
    : UserControl(container, name, u"APNG"_s, design), timer_(container, name + u"_step"_s) {
    setUpTimer();
}

void APNG::setUpTimer() {
    timer_.setEnabled(false);
    timer_.events.timer = [this] {
        ++counter_;
        repaint();
    };
}

void APNG::LoadAnimation(std::int32_t ResId, std::int32_t left, std::int32_t top,
                         std::int32_t CountX, std::int32_t CountY) {
    if (CountX < 1 || CountY < 1 || ResId < INT16_MIN || ResId > INT16_MAX) {
        return;
    }
    const auto resId = static_cast<std::int16_t>(ResId);
    const QSize size = common::SheetPictureSize(resId);
    if (size.isEmpty()) {
        return;
    }
    sheet_ = forms::DeferredPicture(size, [resId] { return common::LoadSheetPicture(resId); });
    columns_ = CountX;
    rows_ = CountY;
    offsetLeft_ = left;
    offsetTop_ = top;
    frameWidth_ = size.width() / CountX;
    frameHeight_ = size.height() / CountY;
}

void APNG::Pause(std::int32_t FrameIndex) {
    timer_.setEnabled(false);
    if (FrameIndex >= 0) {
        counter_ = FrameIndex;
        repaint();
    }
}

void APNG::Start(std::int32_t FrameIndex, std::int32_t interval) {
    if (FrameIndex >= 0) {
        counter_ = FrameIndex;
        repaint();
    }
    if (interval > 0) {
        timer_.setInterval(interval);
    }
    timer_.setEnabled(true);
}

void APNG::repaint() {
    if (columns_ >= 1 && rows_ >= 1) {
        counter_ = static_cast<std::int32_t>(counter_ % frames());
    }
    changed();
}

void APNG::paint(QPainter& painter, QSizeF /*size*/) const {
    if (columns_ < 1 || rows_ < 1 || sheet_.isNull()) {
        return;
    }
    const auto frame = static_cast<std::int32_t>(counter_ % frames());
    const QRect source((frame % columns_) * frameWidth_, (frame / columns_) * frameHeight_,
                       frameWidth_, frameHeight_);
    painter.drawImage(QPoint(offsetLeft_, offsetTop_), sheet_.image(), source);
}

} // namespace qv::controls
