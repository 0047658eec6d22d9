#include "scripted_server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

// Plays a script of 272-byte messages to one client and records what the client sends, one line
// per message: milliseconds since start, command, the 272 bytes in hex.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Scripted game server on 127.0.0.1"_s);
    parser.addHelpOption();
    const QCommandLineOption scriptOpt(u"script"_s, u"Script file"_s, u"file"_s);
    const QCommandLineOption portOpt(u"port"_s, u"Port, 0 for any free one"_s, u"port"_s, u"0"_s);
    const QCommandLineOption portFileOpt(u"port-file"_s, u"Write the port here"_s, u"file"_s);
    const QCommandLineOption recordOpt(u"record"_s, u"Record client messages here"_s, u"file"_s);
    const QCommandLineOption lingerOpt(u"linger-ms"_s, u"Recording after the script"_s, u"ms"_s,
                                       u"0"_s);
    const QCommandLineOption totalOpt(u"timeout-ms"_s, u"Whole run at most"_s, u"ms"_s,
                                      u"120000"_s);
    parser.addOptions({scriptOpt, portOpt, portFileOpt, recordOpt, lingerOpt, totalOpt});
    parser.process(app);

    QFile scriptFile(parser.value(scriptOpt));
    if (!scriptFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "scripted_server: cannot read the script\n");
        return 2;
    }
    const auto script = qv::tools::parseScript(QString::fromUtf8(scriptFile.readAll()));
    if (!script.error.isEmpty()) {
        std::fprintf(stderr, "scripted_server: %s\n", qPrintable(script.error));
        return 2;
    }
    qv::tools::ScriptedServer::Options options;
    options.port = static_cast<std::uint16_t>(parser.value(portOpt).toUInt());
    options.lingerMs = parser.value(lingerOpt).toInt();
    options.totalTimeoutMs = parser.value(totalOpt).toInt();
    qv::tools::ScriptedServer server(script.steps, options);
    if (!server.listen()) {
        std::fprintf(stderr, "scripted_server: cannot listen\n");
        return 2;
    }
    if (parser.isSet(portFileOpt)) {
        QFile portFile(parser.value(portFileOpt));
        if (portFile.open(QIODevice::WriteOnly)) {
            portFile.write(QByteArray::number(server.port()) + '\n');
        }
    }
    std::printf("scripted_server: listening on 127.0.0.1:%u\n", server.port());
    std::fflush(stdout);

    QFile record(parser.value(recordOpt));
    if (parser.isSet(recordOpt)) {
        record.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    server.onReceived = [&record](const qv::tools::ScriptedServer::Received& r) {
        const QByteArray line = QByteArray::number(r.atMs) + ' ' +
                                QByteArray::number(r.message.command()) + ' ' +
                                r.message.toByteArray().toHex() + '\n';
        std::fputs(line.constData(), stdout);
        std::fflush(stdout);
        if (record.isOpen()) {
            record.write(line);
            record.flush();
        }
    };
    server.onFinished = [&server](bool passed) {
        if (!passed) {
            std::fprintf(stderr, "scripted_server: %s\n", qPrintable(server.failure()));
        }
        QCoreApplication::exit(passed ? 0 : 1);
    };
    return QCoreApplication::exec();
}
