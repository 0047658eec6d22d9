#pragma once

#include "platform/sound_device.h"

#include <memory>

namespace qv::platform::qt {

/// The sound output over Qt Multimedia, on the default output. Qt Multimedia lives in a module of
/// its own (libqv_sound.so), loaded when the device is first opened; the device exists only when
/// the module loads and the machine lists an audio output.
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
    std::unique_ptr<SoundDevice> output_;
};

} // namespace qv::platform::qt
