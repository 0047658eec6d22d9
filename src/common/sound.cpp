#include "common/sound.h"

using namespace Qt::StringLiterals;

namespace qv::common {

Sound::Sound(platform::SoundDevice& device, const platform::AppFolder& folder)
    : device_(device), folder_(folder) {}

void Sound::LoadSoundPaths() {
    const QString common = folder_.path() + u"/../common/"_s;
    SoundFile[kBackgroundMusic] = common + u"music/majiang.wav"_s;
    SoundFile[kWarningSound] = common + u"music/tishi.wav"_s;
    VoicePath1 = common + u"Fennic/"_s;
    VoicePath2 = common + u"Gorsel/"_s;
}

void Sound::InitSound() {
    if (!device_.open()) {
        g_bSoundOn = false;
    }
}

void Sound::PlaySoundFile(const QString& path, bool looping) {
    if (hasBuffer_) {
        if (!device_.stop() || !device_.release()) {
            g_bSoundOn = false;
            return;
        }
        hasBuffer_ = false;
    }
    if (!device_.load(path)) {
        return;
    }
    hasBuffer_ = true;
    device_.play(looping);
}

void Sound::StopSound() {
    if (hasBuffer_ && !device_.stop()) {
        g_bSoundOn = false;
    }
}

void Sound::SetSoundVolume(int v) {
    if (!hasBuffer_ || v < 0 || v > kFullVolume) {
        return;
    }
    if (!device_.setVolume(v - kFullVolume)) {
        g_bSoundOn = false;
    }
}

} // namespace qv::common
