#include "platform/qt/qt_sound_device.h"

#include "platform/qt/module_entry.h"
#include "platform/qt/sound_module.h"

namespace qv::platform::qt {

using namespace Qt::StringLiterals;

QtSoundDevice::QtSoundDevice() = default;
QtSoundDevice::~QtSoundDevice() = default;

bool QtSoundDevice::open() {
    if (!output_) {
        static const auto create = reinterpret_cast<CreateSoundDevice>(ModuleEntry(
            u"libqv_sound.so"_s, QStringLiteral(QV_SOUND_MODULE), kCreateSoundDeviceSymbol));
        if (create == nullptr) {
            return false;
        }
        output_.reset(create());
    }
    return output_->open();
}

bool QtSoundDevice::load(const QString& path) {
    return output_ && output_->load(path);
}

bool QtSoundDevice::release() {
    return !output_ || output_->release();
}

bool QtSoundDevice::play(bool looping) {
    return output_ && output_->play(looping);
}

bool QtSoundDevice::stop() {
    return output_ && output_->stop();
}

bool QtSoundDevice::setVolume(int hundredthsDb) {
    return output_ && output_->setVolume(hundredthsDb);
}

bool QtSoundDevice::playing() const {
    return output_ && output_->playing();
}

} // namespace qv::platform::qt
