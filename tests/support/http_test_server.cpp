#include "support/http_test_server.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

using namespace Qt::StringLiterals;

namespace qv::test {
namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

HttpTestServer::HttpTestServer() {
    QDir(dir_.path()).mkdir(u"files"_s);
    server_.start(u"python3"_s, {QStringLiteral(QV_HTTP_TEST_SERVER), dir_.path()});
    const QDeadlineTimer deadline(20000);
    while (!QFile::exists(dir_.filePath(u"port"_s)) && !deadline.hasExpired()) {
        QThread::msleep(20);
    }
    port_ = readFile(dir_.filePath(u"port"_s)).toInt();
}

HttpTestServer::~HttpTestServer() {
    server_.kill();
    server_.waitForFinished();
}

QString HttpTestServer::url(const QString& path) const {
    return u"http://127.0.0.1:%1/%2"_s.arg(port_).arg(path);
}

bool HttpTestServer::put(const QString& name, const QByteArray& bytes) const {
    QFile file(dir_.filePath(u"files/"_s + name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList HttpTestServer::requested() const {
    return QString::fromUtf8(readFile(dir_.filePath(u"requests.log"_s)))
        .split(u'\n', Qt::SkipEmptyParts);
}

} // namespace qv::test
