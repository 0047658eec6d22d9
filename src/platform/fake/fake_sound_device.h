#pragma once

#include "platform/sound_device.h"

#include <QSet>
#include <QString>

namespace qv::platform::fake {

/// A sound output that records what it is asked to do. Wave files are the paths added to
/// `waveFiles`; a play once ends only when the test calls `finish`.
class FakeSoundDevice : public SoundDevice {
public:
    bool open() override;
    bool load(const QString& path) override;
    bool release() override;
    bool play(bool looping) override;
    bool stop() override;
    bool setVolume(int hundredthsDb) override;
    [[nodiscard]] bool playing() const override { return playing_; }

    /// The buffer reached its end (a looping buffer never does).
    void finish();

    [[nodiscard]] bool hasBuffer() const { return hasBuffer_; }
    [[nodiscard]] const QString& bufferPath() const { return bufferPath_; }
    [[nodiscard]] bool looping() const { return looping_; }
    [[nodiscard]] int volume() const { return volume_; }
    [[nodiscard]] int loads() const { return loads_; }
    [[nodiscard]] int stops() const { return stops_; }

    /// Whether the machine has an output device.
    bool present = true;
    /// Makes every call after `open` report a device error.
    bool failing = false;
    QSet<QString> waveFiles;

private:
    bool opened_ = false;
    bool hasBuffer_ = false;
    bool playing_ = false;
    bool looping_ = false;
    QString bufferPath_;
    int volume_ = 0;
    int loads_ = 0;
    int stops_ = 0;
};

} // namespace qv::platform::fake
