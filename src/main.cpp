#include "client.h"
#include "forms/qt/qt_window_system.h"
#include "platform/qt/qt_platform.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Quorvale"_s);
    qv::platform::qt::QtPlatform platform(u"quorvale"_s);
    qv::Client client(platform.services);
    qv::forms::qt::QtWindowSystem windows(client.forms);
    return 0;
}
