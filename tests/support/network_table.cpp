#include "network_table.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

using namespace Qt::StringLiterals;

namespace qv::test {

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

std::vector<LoggedMessage> readTableLog(const QString& path) {
    std::vector<LoggedMessage> log;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return log;
    }
    // "<ms> in|out <command> <hex>" or "<ms> # <note>"
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3) {
            continue;
        }
        if (fields[1] == "#") {
            log.push_back({false, -1, line.mid(line.indexOf('#') + 2)});
        } else if (fields.size() == 4) {
            log.push_back({fields[1] == "in", fields[2].toInt(), QByteArray::fromHex(fields[3])});
        }
    }
    return log;
}

QString tableCommandLine(int port) {
    return u"alice$secret$127.0.0.1$%1$一号桌$0$$0$$$0$$$0$0$"_s.arg(port);
}

bool runUntil(const std::function<bool()>& done, const platform::fake::FakeProcess& process,
              int mostMs) {
    const QDeadlineTimer deadline(mostMs);
    while (!done() && !deadline.hasExpired() && !process.ended()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

} // namespace qv::test
