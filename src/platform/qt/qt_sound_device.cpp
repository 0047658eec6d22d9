#include "platform/qt/qt_sound_device.h"

#include <QAudio>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

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

} // namespace

QtSoundDevice::QtSoundDevice() = default;
QtSoundDevice::~QtSoundDevice() = default;

bool QtSoundDevice::open() {
    // Qt Multimedia reports no error without an output; only the device list tells.
    opened_ = !QMediaDevices::audioOutputs().isEmpty();
    return opened_;
}

bool QtSoundDevice::load(const QString& path) {
    buffer_.reset();
    if (!opened_ || !isWaveFile(path)) {
        return false;
    }
    buffer_ = std::make_unique<QSoundEffect>(QMediaDevices::defaultAudioOutput());
    buffer_->setSource(QUrl::fromLocalFile(path));
    return true;
}

bool QtSoundDevice::release() {
    buffer_.reset();
    return true;
}

bool QtSoundDevice::play(bool looping) {
    if (!buffer_) {
        return false;
    }
    buffer_->setLoopCount(looping ? QSoundEffect::Infinite : 1);
    buffer_->play();
    return true;
}

bool QtSoundDevice::stop() {
    if (!buffer_) {
        return false;
    }
    buffer_->stop();
    return true;
}

bool QtSoundDevice::setVolume(int hundredthsDb) {
    if (!buffer_) {
        return false;
    }
    buffer_->setVolume(QAudio::convertVolume(static_cast<float>(hundredthsDb) / 100.0F,
                                             QAudio::DecibelVolumeScale,
                                             QAudio::LinearVolumeScale));
    return true;
}

bool QtSoundDevice::playing() const {
    return buffer_ && buffer_->isPlaying();
}

} // namespace qv::platform::qt
