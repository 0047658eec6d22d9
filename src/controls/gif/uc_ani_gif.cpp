#include "controls/gif/uc_ani_gif.h"

#include "forms/container.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace qv::controls {

namespace {

constexpr int kMinDelay = 10;
constexpr int kMaxDelay = 32700;
// A download must be longer than this to hold a GIF's signature and logical screen.
constexpr qsizetype kShortestDownload = 14;

} // namespace

ucAniGIF::ucAniGIF(forms::Container& container, QString name, platform::TimeService& time,
                   platform::HttpClient& http)
    : forms::UserControl(container, std::move(name), u"ucAniGIF"_s), time_(time), http_(http) {}

ucAniGIF::~ucAniGIF() {
    http_.cancel(remoteRequest_);
    ClearAnimation();
}

GifPicture ucAniGIF::animatedGIF() const {
    return EncodeFrameGif(currentFrame_);
}

void ucAniGIF::setAnimatedGIF(const GifPicture& picture) {
    gifBuffer_ = picture.gif;
    LoadGifBytes();
    repaint();
}

int ucAniGIF::actualWidth() const {
    return static_cast<int>(container().widthFromPixels(anim_.blocks().canvasWidth));
}

int ucAniGIF::actualHeight() const {
    return static_cast<int>(container().heightFromPixels(anim_.blocks().canvasHeight));
}

void ucAniGIF::setStretch(int value) {
    if (value < 0 || value > 4 || value == stretch_) {
        return;
    }
    stretch_ = value;
    const int remembered = action_;
    setAction(kPause);
    UserControl_Resize();
    // A stopped animation stays as it is: stopping it here would empty the control.
    if (remembered != kStop) {
        setAction(remembered);
    }
    if (remembered != kPlay) {
        repaint();
    }
}

void ucAniGIF::setMinFrameDelay(int value) {
    minFrameDelay_ = static_cast<std::int16_t>(std::clamp(value, kMinDelay, kMaxDelay));
}

void ucAniGIF::setLoops(int value) {
    loops_ = std::abs(value);
}

int ucAniGIF::loopsRemaining() const {
    if (currentFrame_ == 0) {
        return -1;
    }
    return loops_ == 0 ? 0 : loops_ - loopsPlayed_;
}

void ucAniGIF::setMirrored(int value) {
    if (value < 0 || value > kMirrorStyles) {
        return;
    }
    if (currentFrame_ == 0 || value == mirrored()) {
        mirrored_ = value;
        return;
    }
    const int remembered = action_;
    setAction(kPause);
    const int from = mirrored();
    mirrored_ = value;
    MirrorFrames(from, false, true);
    if (remembered == kPlay) {
        setAction(kPlay);
    } else {
        repaint();
    }
}

void ucAniGIF::setAction(int value) {
    if (currentFrame_ == 0 || value < kStop || value > kRewind) {
        return;
    }
    if (value != kPlay) {
        completeDeferredBuild();
    }
    switch (value) {
    case kStop:
        SetFrameTimer(kStopTimer);
        loopsPlayed_ = 0;
        currentFrame_ = 0;
        repaint();
        break;
    case kPlay:
        SetFrameTimer(kFrameTimer);
        break;
    case kPause:
        if (action_ != kStop) {
            stopTimer();
            action_ = kPause;
        }
        break;
    case kStep:
        stopTimer();
        currentFrame_ = currentFrame_ >= frameCount_ ? 1 : currentFrame_ + 1;
        action_ = kPause;
        repaint();
        break;
    default:
        SetFrameTimer(kStopTimer);
        loopsPlayed_ = 0;
        currentFrame_ = 1;
        repaint();
        SetFrameTimer(kFrameTimer);
        break;
    }
}

void ucAniGIF::setDelayAnimation(int value) {
    if (value >= 0 && value <= 3) {
        delayAnimation_ = value;
    }
}

bool ucAniGIF::loadedFrames(int count) {
    if (count == 0) {
        return false;
    }
    if (stretch_ == 1 || stretch_ == 3 || stretch_ == 4) {
        UserControl_Resize();
    }
    return true;
}

bool ucAniGIF::LoadAnimatedGIF_File(const QString& path) {
    // A file that cannot be read leaves the animation on screen as it is.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        repaint();
        return false;
    }
    gifBuffer_ = file.readAll();
    return loadedFrames(LoadGifBytes());
}

bool ucAniGIF::LoadAnimatedGIF_Array(const QByteArray& bytes) {
    if (!bytes.isNull()) {
        gifBuffer_ = bytes;
    }
    return loadedFrames(LoadGifBytes());
}

void ucAniGIF::LoadAnimatedGIF_Remote(const QString& url) {
    if (url.isEmpty()) {
        return;
    }
    http_.cancel(remoteRequest_);
    remoteRequest_ =
        http_.get(url, {.completed = [this](const QByteArray& body) { remoteCompleted(body); },
                        .failed =
                            [this] {
                                remoteFailed();
                            }});
    if (remoteRequest_ == 0 && gifEvents.RemoteLoadFailure) {
        gifEvents.RemoteLoadFailure();
    }
}

void ucAniGIF::remoteFailed() {
    http_.cancel(remoteRequest_);
    remoteRequest_ = 0;
    if (gifEvents.RemoteLoadFailure) {
        gifEvents.RemoteLoadFailure();
    }
}

void ucAniGIF::remoteCompleted(const QByteArray& body) {
    remoteRequest_ = 0;
    const QByteArray signature = body.first(std::min<qsizetype>(6, body.size())).toLower();
    if (body.size() <= kShortestDownload || (signature != "gif89a" && signature != "gif87a")) {
        if (gifEvents.RemoteLoadFailure) {
            gifEvents.RemoteLoadFailure();
        }
        return;
    }
    const auto word = [&](qsizetype at) {
        return static_cast<std::uint8_t>(body[at]) | (static_cast<std::uint8_t>(body[at + 1]) << 8);
    };
    const double width = std::trunc(container().widthFromPixels(word(6)));
    const double height = std::trunc(container().heightFromPixels(word(8)));
    bool cancel = false;
    if (gifEvents.RemoteLoadComplete) {
        gifEvents.RemoteLoadComplete(width, height, cancel);
    }
    if (!cancel) {
        gifBuffer_ = body;
        loadedFrames(LoadGifBytes());
    }
}

void ucAniGIF::setVisible(bool visible) {
    forms::Control::setVisible(visible);
    if (visible) {
        SetFrameTimer(kFrameTimer);
    } else {
        setAction(kPause);
    }
}

void ucAniGIF::UserControl_Resize() {
    if (currentFrame_ == 0 || resizing_) {
        return;
    }
    resizing_ = true;
    const QRectF rect = pixelRect();
    const QSize size = anim_.ComputeScale(QSize(qRound(rect.width()), qRound(rect.height())),
                                          stretch_, scaleX_, scaleY_);
    setPixelSize(size.width(), size.height());
    resizing_ = false;
}

void ucAniGIF::geometryChanged() {
    if (!resizing_) {
        UserControl_Resize();
        repaint();
    }
}

void ucAniGIF::UserControl_Paint() {
    const QRectF rect = pixelRect();
    const QSize size(std::max(0, qRound(rect.width())), std::max(0, qRound(rect.height())));
    if (surface_.size() != size) {
        surface_ = QImage(size, QImage::Format_ARGB32);
    }
    surface_.fill(0);
    anim_.PaintCurrentFrame(currentFrame_, surface_, scaleX_, scaleY_);
    if (currentFrame_ == frameCount_ && gifEvents.reportOver) {
        gifEvents.reportOver(currentFrame_);
    }
}

void ucAniGIF::repaint() {
    UserControl_Paint();
    forms::Control::refresh();
}

void ucAniGIF::paint(QPainter& painter, QSizeF /*size*/) const {
    painter.drawImage(0, 0, surface_);
}

} // namespace qv::controls
