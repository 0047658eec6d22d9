#pragma once

#include "script.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <memory>

namespace qv::tools {

/// A game server that plays a script to the first client on 127.0.0.1 and records every message
/// the client sends. It finishes when the script is through and the client has gone, when an
/// expectation times out, or when its whole time is up.
class ScriptedServer : public QObject {
    Q_OBJECT
public:
    struct Options {
        std::uint16_t port = 0;
        int expectTimeoutMs = 15000;
        /// After the script: how long to keep recording before finishing.
        int lingerMs = 0;
        int totalTimeoutMs = 120000;
    };
    struct Received {
        qint64 atMs;
        connection::GameMessage message;
    };

    ScriptedServer(std::vector<ScriptStep> steps, Options options);

    /// Listens; false when the port is taken.
    bool listen();
    [[nodiscard]] std::uint16_t port() const { return server_.serverPort(); }
    [[nodiscard]] const std::vector<Received>& received() const { return received_; }
    [[nodiscard]] bool finished() const { return finished_; }
    /// Whether every step ran and every expectation was met.
    [[nodiscard]] bool passed() const { return passed_; }
    [[nodiscard]] const QString& failure() const { return failure_; }

    /// Called once for each client message, then once when the server finishes.
    std::function<void(const Received&)> onReceived;
    std::function<void(bool passed)> onFinished;

private:
    void accept();
    void readClient();
    void next();
    void fail(const QString& why);
    void finish();

    std::vector<ScriptStep> steps_;
    Options options_;
    QTcpServer server_;
    QTcpSocket* client_ = nullptr;
    QByteArray pending_;
    std::size_t step_ = 0;
    std::size_t expectFrom_ = 0;
    QTimer stepTimer_;
    QTimer totalTimer_;
    QElapsedTimer clock_;
    std::vector<Received> received_;
    bool scriptDone_ = false;
    bool finished_ = false;
    bool passed_ = false;
    QString failure_;
};

} // namespace qv::tools
