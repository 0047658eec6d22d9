#pragma once

#include "platform/app_folder.h"
#include "platform/sound_device.h"

#include <QString>

#include <array>

namespace qv::common {

/// The loudest `Sound::SetSoundVolume`, the sound as recorded.
inline constexpr int kFullVolume = 3000;
/// `Sound::SoundFile`'s background music and countdown warning.
inline constexpr int kBackgroundMusic = 1;
inline constexpr int kWarningSound = 6;

/// The one voice of sound (`Mod_Sound`) with the sound file table, the voice folders and the
/// three switches (`Mod_Resource`). Every play replaces the sound before it, the looping music
/// included. Failures are silent: a device error only turns `g_bSoundOn` off.
class Sound {
public:
    Sound(platform::SoundDevice& device, const platform::AppFolder& folder);

    /// `SoundFile` `kBackgroundMusic` and `kWarningSound`; the voice folders.
    void LoadSoundPaths();
    /// Opens the default output; without one `g_bSoundOn` turns false.
    void InitSound();
    /// Plays the wave file once or looping until stopped, in place of whatever sounded before. A
    /// missing or unreadable file plays nothing and changes nothing else.
    void PlaySoundFile(const QString& path, bool looping);
    /// Stops the current sound and rewinds it; nothing without one.
    void StopSound();
    /// 0..3000 sets the current sound to v - 3000 hundredths of a decibel; other values are
    /// ignored.
    void SetSoundVolume(int v);

    /// Wave paths; elements 1 and 6 are used.
    std::array<QString, 7> SoundFile;
    /// The hint voice folder and the quick-phrase voice folder, each ending in "/".
    QString VoicePath1;
    QString VoicePath2;

    bool g_bMusicOn = true;
    bool g_bEffectOn = true;
    bool g_bSoundOn = true;

private:
    platform::SoundDevice& device_;
    const platform::AppFolder& folder_;
    bool hasBuffer_ = false;
};

} // namespace qv::common
