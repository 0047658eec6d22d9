#pragma once

#include "platform/sound_device.h"

// What the sound module offers the platform. The module alone links Qt Multimedia, and the sound
// device loads it when it is first opened, so the program starts without the sound system.

namespace qv::platform::qt {

/// The module's entry point, exported under the name `kCreateSoundDeviceSymbol`: a sound output
/// over Qt Multimedia, owned by the caller.
using CreateSoundDevice = SoundDevice* (*)();
inline constexpr char kCreateSoundDeviceSymbol[] = "qvCreateSoundDevice";

} // namespace qv::platform::qt
