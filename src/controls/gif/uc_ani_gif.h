#pragma once

#include "controls/gif/gif_animation.h"
#include "forms/user_control.h"
#include "platform/http_client.h"
#include "platform/time_service.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <functional>

namespace qv::controls {

/// A picture as the `AnimatedGIF` property passes it: the GIF file and what it shows.
struct GifPicture {
    QByteArray gif;
    QImage image;
    [[nodiscard]] bool isNull() const { return gif.isEmpty(); }
};

/// The events of the animated GIF player beyond those of every control.
struct AniGifEvents {
    std::function<void()> LoopsEnded;
    std::function<void(double width, double height, bool& cancel)> RemoteLoadComplete;
    std::function<void()> RemoteLoadFailure;
    std::function<void(int frame)> reportOver;
};

/// The game's animated GIF player: reads the GIF itself, builds and composes its frames, plays
/// them on its own timer with loop counting, and hands the current frame back as a picture.
class ucAniGIF : public forms::UserControl {
public:
    /// `Action` values.
    enum ActionValue { kStop = 0, kPlay = 1, kPause = 2, kStep = 3, kRewind = 4 };

    ucAniGIF(forms::Container& container, QString name, platform::TimeService& time,
             platform::HttpClient& http);
    ~ucAniGIF() override;
    ucAniGIF(const ucAniGIF&) = delete;
    ucAniGIF& operator=(const ucAniGIF&) = delete;

    AniGifEvents gifEvents;

    // Properties.
    [[nodiscard]] GifPicture animatedGIF() const;
    void setAnimatedGIF(const GifPicture& picture);
    [[nodiscard]] int frameCount() const { return currentFrame_ != 0 ? frameCount_ : 0; }
    [[nodiscard]] int actualWidth() const;
    [[nodiscard]] int actualHeight() const;
    [[nodiscard]] int stretch() const { return stretch_; }
    void setStretch(int value);
    [[nodiscard]] int minFrameDelay() const { return minFrameDelay_; }
    void setMinFrameDelay(int value);
    [[nodiscard]] int loops() const { return loops_; }
    void setLoops(int value);
    [[nodiscard]] int loopsRemaining() const;
    [[nodiscard]] int mirrored() const { return mirrored_ & kMirrorStyles; }
    void setMirrored(int value);
    [[nodiscard]] int action() const { return action_; }
    void setAction(int value);
    [[nodiscard]] int delayAnimation() const { return delayAnimation_; }
    void setDelayAnimation(int value);
    /// The 1-based frame on screen; 0 when nothing is loaded.
    [[nodiscard]] int currentFrame() const { return currentFrame_; }
    [[nodiscard]] float scaleX() const { return scaleX_; }
    [[nodiscard]] float scaleY() const { return scaleY_; }
    [[nodiscard]] const GifAnimation& animation() const { return anim_; }
    /// What the last paint drew, one pixel per control pixel, transparent where nothing was.
    [[nodiscard]] const QImage& surface() const { return surface_; }

    // Methods.
    bool LoadAnimatedGIF_File(const QString& path);
    bool LoadAnimatedGIF_Array(const QByteArray& bytes);
    void LoadAnimatedGIF_Remote(const QString& url);
    /// Repaints the control.
    void refresh() { repaint(); }
    /// Showing plays (also from pause); hiding pauses.
    void setVisible(bool visible);

    void paint(QPainter& painter, QSizeF size) const override;

private:
    static constexpr int kMirrorStyles = 3;
    static constexpr int kFirstFrameFlipped = 32;
    enum TimerKind { kStopTimer = 0, kFrameTimer = 1, kDeferredBuild = 2 };

    // Frames.
    int LoadGifBytes();
    bool BuildFrames(bool firstPass);
    void finishBuild();
    void MirrorFrames(int fromStyle, bool firstFrameOnly, bool withCanvas);
    void ClearAnimation();
    GifPicture EncodeFrameGif(int frame) const;
    /// Refits the control after a load for the stretch modes that size it.
    bool loadedFrames(int count);

    // Timer.
    bool SetFrameTimer(int kind);
    void OnDelayTimer();
    void OnFrameTimer();
    void stopTimer();
    [[nodiscard]] int frameInterval() const;
    /// A pause or stop before the deferred build has run builds the other frames first.
    void completeDeferredBuild();

    // Handlers.
    void UserControl_Resize();
    void UserControl_Paint();
    void repaint();
    void geometryChanged() override;
    void remoteCompleted(const QByteArray& body);
    void remoteFailed();

    platform::TimeService& time_;
    platform::HttpClient& http_;
    GifAnimation anim_;
    QByteArray gifBuffer_;
    std::int16_t minFrameDelay_ = 50;
    int stretch_ = 1;
    int delayAnimation_ = 1;
    int mirrored_ = 0;
    int loops_ = 0;
    int loopsPlayed_ = 0;
    int action_ = kStop;
    int currentFrame_ = 0;
    int frameCount_ = 0;
    float scaleX_ = 0;
    float scaleY_ = 0;
    platform::TimeService::TimerId timerId_ = 0;
    int timerKind_ = kStopTimer;
    bool resizing_ = false;
    platform::HttpClient::RequestId remoteRequest_ = 0;
    QImage surface_;
};

} // namespace qv::controls
