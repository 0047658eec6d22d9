#include "network_table.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

using namespace Qt::StringLiterals;

namespace qv::hand::testing_support {

int startTableServer(QProcess& server, const QString& folder, QStringList arguments) {
    const QString portFile = folder + u"/port"_s;
    arguments << u"--port-file"_s << portFile;
    server.start(QStringLiteral(QV_TABLE_SERVER), arguments);
    if (!server.waitForStarted()) {
        return 0;
    }
    QFile file(portFile);
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        if (file.open(QIODevice::ReadOnly)) {
            const int port = file.readAll().trimmed().toInt();
            if (port > 0) {
                return port;
            }
            file.close();
        }
        QThread::msleep(20);
    }
    return 0;
}

QString tableCommandLine(int port) {
    return u"alice$secret$127.0.0.1$%1$一号桌$0$$0$$$0$$$0$0$"_s.arg(port);
}

} // namespace qv::hand::testing_support
