#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace qv::test {

/// The tests' local HTTP server (http_test_server.py beside this file) over a folder of its
/// own, running while the object lives; its files and its failures by name are listed there.
class HttpTestServer {
public:
    /// Starts the server and waits until it listens; `port` is 0 when it did not.
    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    [[nodiscard]] int port() const { return port_; }
    /// The address of `path` on the server.
    [[nodiscard]] QString url(const QString& path) const;
    /// Serves `bytes` as the file `name`; false when it could not be stored.
    bool put(const QString& name, const QByteArray& bytes) const;
    /// The paths asked for so far, in order.
    [[nodiscard]] QStringList requested() const;

private:
    QTemporaryDir dir_;
    QProcess server_;
    int port_ = 0;
};

} // namespace qv::test
