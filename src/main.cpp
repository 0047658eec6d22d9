#include "client.h"
#include "platform/qt/qt_platform.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Quorvale"_s);
    qv::platform::qt::QtPlatform platform(u"quorvale"_s);
    qv::Client client(platform.services);
    return 0;
}
