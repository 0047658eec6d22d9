#pragma once

#include "platform/sound_device.h"

#include <memory>

class QSoundEffect;

namespace qv::platform::qt {

/// The sound output over Qt Multimedia: the buffer is a `QSoundEffect` on the default output.
/// The device exists only when the machine lists an audio output.
class QtSoundDevice : public SoundDevice {
public:
    QtSoundDevice();
    ~QtSoundDevice() override;
    QtSoundDevice(const QtSoundDevice&) = delete;
    QtSoundDevice& operator=(const QtSoundDevice&) = delete;

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

} // namespace qv::platform::qt
