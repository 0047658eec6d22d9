#pragma once

#include <QString>

namespace qv::platform {

/// The sound output: one replaceable buffer made from a wave file, played once or looping,
/// stopped and rewound, with a volume in hundredths of a decibel.
///
/// Every call returns false on a device error. Without an output device `open` fails and so does
/// every `load`.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    /// Opens the default output; false when the machine has none.
    virtual bool open() = 0;
    /// Makes the buffer from the wave file at `path`; false, and no buffer, when the device is
    /// not open or the file is missing or no wave file.
    virtual bool load(const QString& path) = 0;
    /// Stops and drops the buffer.
    virtual bool release() = 0;
    /// Starts the buffer from its position, once or looping until stopped.
    virtual bool play(bool looping) = 0;
    /// Stops the buffer and rewinds it to its start; the buffer stays.
    virtual bool stop() = 0;
    /// Volume in hundredths of a decibel, -3000 (30 dB down) to 0 (full).
    virtual bool setVolume(int hundredthsDb) = 0;
    /// Whether the buffer is sounding now.
    [[nodiscard]] virtual bool playing() const = 0;
};

} // namespace qv::platform
