#include "common/pictures/embedded_pictures.h"

#include <QtGlobal>

#include <mutex>

// Q_INIT_RESOURCE declares the registration function where it is used: outside any namespace.
static void initPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace qv::common {

void registerEmbeddedPictures() {
    static std::once_flag once;
    std::call_once(once, initPictures);
}

} // namespace qv::common
