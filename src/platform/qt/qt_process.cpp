#include "platform/qt/qt_process.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace qv::platform::qt {

void QtProcess::shutDown() {
    QCoreApplication::exit(0);
}

void QtProcess::restoreLobbyThenEnd() {
    if (restoreLobby_) {
        restoreLobby_();
    }
    endNow();
}

void QtProcess::endNow() {
    // Files are written whole when they are saved, so nothing is lost by skipping the clean-up.
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace qv::platform::qt
