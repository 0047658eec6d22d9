#include "platform/qt/font_config_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace qv::platform::qt {

// Qt reads the configuration through the same call, which does nothing more once it has been read.
FontConfigWarmUp::FontConfigWarmUp() : reader_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
    finish();
}

void FontConfigWarmUp::finish() {
    if (reader_.joinable()) {
        reader_.join();
    }
}

} // namespace qv::platform::qt
