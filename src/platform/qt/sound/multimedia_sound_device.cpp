#include "platform/qt/sound_module.h"

#include <QAudio>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

// The sound module: the only code that links Qt Multimedia.

namespace qv::platform::qt {
namespace {

// A wave file starts "RIFF", its length, then "WAVE".
bool isWaveFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

/// The buffer is a `QSoundEffect` on the default output.
class MultimediaSoundDevice final : public SoundDevice {
public:
    bool open() override;
    bool load(const QString& path) override;
    bool release() override;
    bool play(bool looping) override;
    bool stop() override;
    bool setVolume(int hundredthsDb) override;
    [[nodiscard]] bool playing() const override;

private:
    bool opened_ = false;
    std::unique_ptr<QSoundEffect> buffer_;
};

bool MultimediaSoundDevice::open() {
    // Qt Multimedia reports no error without an output; only the device list tells.
    opened_ = !QMediaDevices::audioOutputs().isEmpty();
    return opened_;
}

bool MultimediaSoundDevice::load(const QString& path) {
    buffer_.reset();
    if (!opened_ || !isWaveFile(path)) {
        return false;
    }
    buffer_ = std::make_unique<QSoundEffect>(QMediaDevices::defaultAudioOutput());
    buffer_->setSource(QUrl::fromLocalFile(path));
    return true;
}

bool MultimediaSoundDevice::release() {
    buffer_.reset();
    return true;
}

bool MultimediaSoundDevice::play(bool looping) {
    if (!buffer_) {
        return false;
    }
    buffer_->setLoopCount(looping ? QSoundEffect::Infinite : 1);
    buffer_->play();
    return true;
}

bool MultimediaSoundDevice::stop() {
    if (!buffer_) {
        return false;
    }
    buffer_->stop();
    return true;
}

bool MultimediaSoundDevice::setVolume(int hundredthsDb) {
    if (!buffer_) {
        return false;
    }
    buffer_->setVolume(QAudio::convertVolume(static_cast<float>(hundredthsDb) / 100.0F,
                                             QAudio::DecibelVolumeScale,
                                             QAudio::LinearVolumeScale));
    return true;
}

bool MultimediaSoundDevice::playing() const {
    return buffer_ && buffer_->isPlaying();
}

} // namespace
} // namespace qv::platform::qt

extern "C" Q_DECL_EXPORT qv::platform::SoundDevice* qvCreateSoundDevice() {
    return new qv::platform::qt::MultimediaSoundDevice();
}
