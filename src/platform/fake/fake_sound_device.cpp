#include "platform/fake/fake_sound_device.h"

namespace qv::platform::fake {

bool FakeSoundDevice::open() {
    opened_ = present;
    return opened_;
}

bool FakeSoundDevice::load(const QString& path) {
    if (!opened_ || failing || !waveFiles.contains(path)) {
        return false;
    }
    hasBuffer_ = true;
    playing_ = false;
    bufferPath_ = path;
    volume_ = 0;
    ++loads_;
    return true;
}

bool FakeSoundDevice::release() {
    if (failing) {
        return false;
    }
    hasBuffer_ = false;
    playing_ = false;
    bufferPath_.clear();
    return true;
}

bool FakeSoundDevice::play(bool looping) {
    if (failing || !hasBuffer_) {
        return false;
    }
    playing_ = true;
    looping_ = looping;
    return true;
}

bool FakeSoundDevice::stop() {
    if (failing || !hasBuffer_) {
        return false;
    }
    playing_ = false;
    ++stops_;
    return true;
}

bool FakeSoundDevice::setVolume(int hundredthsDb) {
    if (failing || !hasBuffer_) {
        return false;
    }
    volume_ = hundredthsDb;
    return true;
}

void FakeSoundDevice::finish() {
    if (!looping_) {
        playing_ = false;
    }
}

} // namespace qv::platform::fake
