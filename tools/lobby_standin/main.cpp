#include "lobby_standin.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct Options {
    QString title;
    QString client;
    QString line;
    QString server;
    QStringList serverArgs;
    QStringList sends;
    QString logPath;
    int timeoutMs = 0;
    bool window = true;
};

int parseMessage(const QString& text) {
    bool ok = false;
    const int value = text.startsWith(u"0x"_s) ? text.mid(2).toInt(&ok, 16) : text.toInt(&ok);
    return ok ? value : -1;
}

/// The lobby's command line: 15 fields for a direct start, or 5 and a number for watch mode.
QString buildLine(const QCommandLineParser& p, const QString& title, const QString& port) {
    const QString v[] = {p.value(u"user"_s), p.value(u"credential"_s), p.value(u"host"_s), port,
                         p.value(u"location"_s)};
    QString line = QStringList(std::begin(v), std::end(v)).join(u'$') + u'$';
    if (p.isSet(u"watch"_s)) {
        return line + p.value(u"watch"_s);
    }
    const bool alt = p.isSet(u"alt"_s);
    const QStringList proxy = p.value(u"proxy"_s).split(u':');
    line += proxy.size() == 2
                ? u"5$%1$%2$%3$%4$"_s.arg(proxy[0], proxy[1], p.value(u"proxy-user"_s),
                                          p.value(u"proxy-pass"_s))
                : u"0$$0$$$"_s;
    return line + (alt ? u"1$"_s : u"0$"_s) + (alt ? title : QString()) + u'$' +
           p.value(u"caption"_s) + u'$' + p.value(u"plugin"_s) + u'$' + p.value(u"plugin-arg"_s) +
           u'$';
}

/// Starts a game server on a free port and returns the port, or an empty text.
QString startServer(QProcess& server, const QString& program, QStringList args) {
    static QTemporaryDir dir;
    const QString portFile = dir.filePath(u"port"_s);
    QFile::remove(portFile);
    args << u"--port-file"_s << portFile;
    server.setProcessChannelMode(QProcess::ForwardedChannels);
    server.start(program, args);
    if (!server.waitForStarted(5000)) {
        return {};
    }
    for (int i = 0; i < 100; ++i) {
        QFile f(portFile);
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray port = f.readAll().trimmed();
            if (!port.isEmpty()) {
                return QString::fromLatin1(port);
            }
        }
        QThread::msleep(50);
    }
    return {};
}

const QString kDescription =
    uR"help(Lobby stand-in: serves the lobby link under its window title, starts the
client with a lobby command line it builds (and, if asked, the table server or
the scripted server for it on a free port), logs every message it gets, and
sends the lobby's messages when told.

Lines it takes on its standard input:
  send MSG   send the lobby message MSG (decimal or 0x...) to the client:
             0x303 asks for the connection's state, 0x400 has the player
             leave the table, 0x465 asks whether he is still seated,
             0x16 has the client connect and sit down again after he
             left
  restore    show the lobby's window (as the lobby does when it comes back)
  minimize   minimise the lobby's window
  quit       end the stand-in (and the client and server it started)

When the client ends, the stand-in logs "the client ended (exit code N)" and
ends with N: 0 is every end the client chooses itself (a login or reconnect
refused, a second copy already running, the lobby's window gone, a command
line it cannot read); any other N is a failure. A client that crashed is
logged as "the client crashed" and the stand-in ends with 1.)help"_s;

/// Every option, so that --help can be answered before a display is opened.
void describe(QCommandLineParser& p) {
    p.setApplicationDescription(kDescription);
    p.addHelpOption();
    const auto opt = [&p](const QString& name, const QString& help, const QString& value = {},
                          const QString& def = {}) {
        p.addOption(value.isEmpty() ? QCommandLineOption(name, help)
                                    : QCommandLineOption(name, help, value, def));
    };
    opt(u"title"_s, u"Lobby window title"_s, u"text"_s, u"Velmor山庄"_s);
    opt(u"client"_s, u"The client program"_s, u"path"_s);
    opt(u"line"_s, u"Command line to pass as it is"_s, u"text"_s);
    opt(u"user"_s, u"User name"_s, u"text"_s, u"alice"_s);
    opt(u"credential"_s, u"Second credential"_s, u"text"_s, u"secret"_s);
    opt(u"host"_s, u"Game server host"_s, u"ip"_s, u"127.0.0.1"_s);
    opt(u"port"_s, u"Game server port"_s, u"port"_s, u"6000"_s);
    opt(u"location"_s, u"Table location text"_s, u"text"_s, u"一号桌"_s);
    opt(u"proxy"_s, u"Reach the game server through this SOCKS5 proxy"_s, u"host:port"_s);
    opt(u"proxy-user"_s, u"The proxy's user name"_s, u"text"_s);
    opt(u"proxy-pass"_s, u"The proxy's password"_s, u"text"_s);
    opt(u"watch"_s, u"Watch mode with this amount; the table server then seats a watcher"_s,
        u"number"_s);
    opt(u"alt"_s, u"Alternate lobby mode: pass the title"_s);
    opt(u"caption"_s, u"Table caption in the alternate mode"_s, u"text"_s);
    opt(u"plugin"_s, u"Field 14: 1 allows the item plug-in"_s, u"number"_s, u"0"_s);
    opt(u"plugin-arg"_s, u"Field 15: the item plug-in's last start argument"_s, u"number"_s,
        u"0"_s);
    opt(u"server"_s, u"Scripted server program to start on a free port"_s, u"path"_s);
    opt(u"server-script"_s, u"Its script"_s, u"file"_s);
    opt(u"server-record"_s, u"Its record file"_s, u"file"_s);
    opt(u"server-timeout-ms"_s, u"Its whole run at most"_s, u"ms"_s, u"120000"_s);
    opt(u"table-server"_s, u"Table server program to start on a free port instead"_s, u"path"_s);
    opt(u"table-server-arg"_s, u"An argument for the table server, such as --seed=7"_s, u"arg"_s);
    opt(u"send"_s, u"Send a message at a time: MS:MSG"_s, u"ms:msg"_s);
    opt(u"log"_s, u"Log file"_s, u"file"_s);
    opt(u"timeout-ms"_s, u"End after this long"_s, u"ms"_s, u"0"_s);
    opt(u"until-server-ends"_s, u"End with the game server's result when it ends"_s);
    opt(u"no-window"_s, u"Show no window"_s);
}

bool asksForHelp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all") {
            return true;
        }
    }
    return false;
}

} // namespace

// The lobby stand-in: serves the lobby link under a title, starts the client with a command line
// it builds (and, if asked, the scripted game server or the table server for it), logs every
// message it gets, and sends the lobby's messages when told: at fixed times (--send MS:MSG) or
// typed on its input ("send 0x303", "restore", "minimize", "quit").
int main(int argc, char** argv) {
    if (asksForHelp(argc, argv)) {
        // Answered without opening a display: the help ends the program.
        const QCoreApplication app(argc, argv);
        QCommandLineParser p;
        describe(p);
        p.process(app);
    }
    QApplication app(argc, argv);
    QCommandLineParser p;
    describe(p);
    p.process(app);

    Options o;
    o.title = p.value(u"title"_s);
    o.client = p.value(u"client"_s);
    o.sends = p.values(u"send"_s);
    o.logPath = p.value(u"log"_s);
    o.timeoutMs = p.value(u"timeout-ms"_s).toInt();
    o.window = !p.isSet(u"no-window"_s);

    QElapsedTimer clock;
    clock.start();
    QFile logFile(o.logPath);
    if (!o.logPath.isEmpty()) {
        logFile.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    const auto log = [&](const QString& line) {
        const QByteArray text = QByteArray::number(clock.elapsed()) + ' ' + line.toUtf8() + '\n';
        std::fputs(text.constData(), stdout);
        std::fflush(stdout);
        if (logFile.isOpen()) {
            logFile.write(text);
            logFile.flush();
        }
    };

    qv::tools::LobbyStandIn lobby(o.title);
    lobby.onLog = log;
    if (!lobby.listen()) {
        log(u"cannot serve the lobby link"_s);
        return 2;
    }
    std::unique_ptr<QLabel> window;
    if (o.window) {
        window = std::make_unique<QLabel>(u"大厅: "_s + o.title);
        window->setWindowTitle(o.title);
        window->resize(360, 120);
        window->show();
        lobby.onWindowState = [&window](qv::tools::LobbyStandIn::WindowState state) {
            state == qv::tools::LobbyStandIn::WindowState::Normal ? window->showNormal()
                                                                  : window->showMinimized();
        };
    }

    QProcess server;
    QString port = p.value(u"port"_s);
    const bool table = p.isSet(u"table-server"_s);
    if (table || p.isSet(u"server"_s)) {
        QStringList args = p.values(u"table-server-arg"_s);
        if (p.isSet(u"watch"_s)) {
            args << u"--watch"_s;
        }
        if (!table) {
            args = QStringList{u"--script"_s, p.value(u"server-script"_s), u"--timeout-ms"_s,
                               p.value(u"server-timeout-ms"_s)};
            if (p.isSet(u"server-record"_s)) {
                args << u"--record"_s << p.value(u"server-record"_s);
            }
        }
        port = startServer(server, p.value(table ? u"table-server"_s : u"server"_s), args);
        if (port.isEmpty()) {
            log(u"the game server did not start"_s);
            return 2;
        }
        log(u"server on port "_s + port);
        if (p.isSet(u"until-server-ends"_s)) {
            QObject::connect(&server, &QProcess::finished, &app, [&](int code) {
                log(u"server ended with "_s + QString::number(code));
                QCoreApplication::exit(code);
            });
        }
    }

    QProcess client;
    const QString line = p.isSet(u"line"_s) ? p.value(u"line"_s) : buildLine(p, o.title, port);
    if (!o.client.isEmpty()) {
        client.setProcessChannelMode(QProcess::ForwardedChannels);
        QObject::connect(
            &client, &QProcess::finished, &app, [&](int code, QProcess::ExitStatus status) {
                log(status == QProcess::CrashExit ? u"the client crashed"_s
                                                  : u"the client ended (exit code %1)"_s.arg(code));
                QCoreApplication::exit(status == QProcess::CrashExit ? 1 : code);
            });
        log(u"starting the client with: "_s + line);
        client.start(o.client, {line});
    }

    for (const QString& send : o.sends) {
        const int at = send.section(u':', 0, 0).toInt();
        const int message = parseMessage(send.section(u':', 1));
        QTimer::singleShot(at, &lobby, [&lobby, message] { lobby.send(message); });
    }
    if (o.timeoutMs > 0) {
        QTimer::singleShot(o.timeoutMs, &app, [&] {
            log(u"time is up"_s);
            QCoreApplication::exit(0);
        });
    }

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[128];
        const auto n = ::read(STDIN_FILENO, buffer, sizeof buffer - 1);
        if (n <= 0) {
            input.setEnabled(false);
            return;
        }
        const QStringList words =
            QString::fromUtf8(buffer, n).trimmed().split(u' ', Qt::SkipEmptyParts);
        const QString verb = words.value(0);
        if (verb == u"send"_s && parseMessage(words.value(1)) >= 0) {
            lobby.send(parseMessage(words.value(1)));
        } else if (verb == u"restore"_s) {
            lobby.setWindowState(qv::tools::LobbyStandIn::WindowState::Normal);
        } else if (verb == u"minimize"_s) {
            lobby.setWindowState(qv::tools::LobbyStandIn::WindowState::Minimized);
        } else if (verb == u"quit"_s) {
            QCoreApplication::exit(0);
        }
    });

    const int code = QApplication::exec();
    lobby.close();
    if (client.state() != QProcess::NotRunning) {
        client.terminate();
        if (!client.waitForFinished(3000)) {
            client.kill();
            client.waitForFinished(1000);
        }
    }
    if (server.state() != QProcess::NotRunning) {
        server.terminate();
        server.waitForFinished(3000);
    }
    return code;
}
