#include "support/network_table.h"

#include "app/start_on_table.h"
#include "table/main_form.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

using namespace Qt::StringLiterals;

namespace qv::test {

TableServerRun::TableServerRun(QStringList arguments) {
    const QString portFile = folder_.filePath(u"port"_s);
    arguments << u"--port-file"_s << portFile << u"--log"_s << logPath();
    process_.start(QStringLiteral(QV_TABLE_SERVER), arguments);
    if (!process_.waitForStarted()) {
        return;
    }
    QFile file(portFile);
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        if (file.open(QIODevice::ReadOnly)) {
            port_ = file.readAll().trimmed().toInt();
            if (port_ > 0) {
                return;
            }
            file.close();
        }
        QThread::msleep(20);
    }
}

TableServerRun::~TableServerRun() {
    process_.kill();
    process_.waitForFinished();
}

void TableServerRun::say(const QByteArray& line) {
    process_.write(line + '\n');
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

ClientAtTable::ClientAtTable(int port, QSize screen, Mode mode)
    : form(client.forms.get<table::MainForm>()) {
    platform.fakes.screen.size_ = screen;
    platform.fakes.lobby.open(connection::kDefaultLobbyTitle);
    const QString rest = mode == Mode::Watching            ? u"5000"_s
                         : mode == Mode::PlayingWithPlugin ? u"0$$0$$$0$$$1$0$"_s
                                                           : u"0$$0$$$0$$$0$0$"_s;
    app::StartOnTable(client, form, u"alice$secret$127.0.0.1$%1$一号桌$"_s.arg(port) + rest);
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
