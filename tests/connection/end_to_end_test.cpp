#include "connection/commands.h"
#include "connection/login_buffer.h"
#include "support/file_wait.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace qv::connection {
namespace {

struct Recorded {
    qint64 atMs;
    GameMessage message;
};

std::vector<Recorded> readRecord(const QString& path) {
    QFile file(path);
    std::vector<Recorded> messages;
    if (!file.open(QIODevice::ReadOnly)) {
        return messages;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 3) {
            messages.push_back(
                {parts[0].toLongLong(), GameMessage::fromBytes(QByteArray::fromHex(parts[2]))});
        }
    }
    return messages;
}

// The lobby stand-in starts the scripted server and the client; the client connects, logs in,
// is accepted and keeps the connection alive, all on real sockets.
TEST(EndToEndTest, TheLobbyStartsTheClientWhichLogsInAndKeepsAlive) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString script = dir.filePath(u"login.script"_s);
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("expect 18\nsend 18 15=1 9=3 260=5 261=6\nexpect 24\nexpect 24\nwait 200\n");
    }
    const QString title = u"端到端大厅-%1"_s.arg(QCoreApplication::applicationPid());
    const QString record = dir.filePath(u"record"_s);
    const QString log = dir.filePath(u"lobby.log"_s);
    QProcess lobby;
    lobby.setProcessChannelMode(QProcess::ForwardedChannels);
    lobby.start(QStringLiteral(QV_LOBBY_STANDIN),
                {u"--no-window"_s, u"--title"_s, title, u"--alt"_s, u"--client"_s,
                 QStringLiteral(QV_CLIENT), u"--server"_s, QStringLiteral(QV_SCRIPTED_SERVER),
                 u"--server-script"_s, script, u"--server-record"_s, record,
                 u"--server-timeout-ms"_s, u"60000"_s, u"--log"_s, log, u"--until-server-ends"_s,
                 u"--timeout-ms"_s, u"90000"_s});
    // The run ends with the script: however slow the machine, the client gets to finish it.
    ASSERT_TRUE(lobby.waitForFinished(120000));
    EXPECT_EQ(lobby.exitCode(), 0);

    const auto messages = readRecord(record);
    ASSERT_GE(messages.size(), 3U);
    EXPECT_EQ(messages[0].message, *BuildLoginBuffer(u"alice"_s, u"secret"_s));
    std::vector<Recorded> keepAlives;
    for (const auto& m : messages) {
        if (m.message.command() == MsgKeepAlive) {
            keepAlives.push_back(m);
        }
    }
    ASSERT_GE(keepAlives.size(), 2U);
    EXPECT_EQ(keepAlives[0].message.u8(260), 5);
    EXPECT_EQ(keepAlives[0].message.u8(261), 6);
    // Timers never fire early, so the gap is at least the interval.
    EXPECT_GE(keepAlives[1].atMs - keepAlives[0].atMs, 4900);

    QFile logFile(log);
    ASSERT_TRUE(logFile.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(logFile.readAll());
    const auto reconnect = text.indexOf(u"POST 0x16"_s);
    const auto connected = text.indexOf(u"POST 0x303"_s);
    EXPECT_GE(reconnect, 0);
    EXPECT_GT(connected, reconnect);
    EXPECT_GE(text.indexOf(u"RESTORE"_s), 0);
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Through the lobby stand-in the client logs in at the table server and is seated with its three
// computer players, who get ready; the client's lobby hears that it is connected. The run ends
// as soon as all of that has happened.
TEST(EndToEndTest, TheClientIsSeatedAtTheTableServer) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString title = u"牌桌大厅-%1"_s.arg(QCoreApplication::applicationPid());
    const QString serverLog = dir.filePath(u"table.log"_s);
    const QString log = dir.filePath(u"lobby.log"_s);
    for (const QString& path : {serverLog, log}) {
        ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
    }
    QProcess lobby;
    lobby.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    lobby.start(QStringLiteral(QV_LOBBY_STANDIN),
                {u"--no-window"_s, u"--title"_s, title, u"--alt"_s, u"--client"_s,
                 QStringLiteral(QV_CLIENT), u"--table-server"_s, QStringLiteral(QV_TABLE_SERVER),
                 u"--table-server-arg=--log="_s + serverLog, u"--table-server-arg=--delay=0"_s,
                 u"--log"_s, log});
    ASSERT_TRUE(lobby.waitForStarted());
    const auto seatedAndTold = [&] {
        const QString server = readText(serverLog);
        return server.contains(u" in 18 "_s) && server.count(u" out 20 "_s) == 4 &&
               server.count(u" out 23 "_s) == 3 && readText(log).contains(u"POST 0x303"_s);
    };
    EXPECT_TRUE(test::waitForFiles({serverLog, log}, seatedAndTold, 60000));
    lobby.write("quit\n");
    ASSERT_TRUE(lobby.waitForFinished(30000));
    EXPECT_EQ(lobby.exitCode(), 0);

    const QString server = readText(serverLog);
    EXPECT_TRUE(server.contains(u" in 18 "_s));
    EXPECT_EQ(server.count(u" out 20 "_s), 4);
    EXPECT_EQ(server.count(u" out 23 "_s), 3);
    EXPECT_TRUE(readText(log).contains(u"POST 0x303"_s));
}

} // namespace
} // namespace qv::connection
