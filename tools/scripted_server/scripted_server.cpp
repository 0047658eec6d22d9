#include "scripted_server.h"

using namespace Qt::StringLiterals;

namespace qv::tools {

ScriptedServer::ScriptedServer(std::vector<ScriptStep> steps, Options options)
    : steps_(std::move(steps)), options_(options) {
    stepTimer_.setSingleShot(true);
    totalTimer_.setSingleShot(true);
    connect(&server_, &QTcpServer::newConnection, this, &ScriptedServer::accept);
    connect(&totalTimer_, &QTimer::timeout, this, [this] { fail(u"time is up"_s); });
}

bool ScriptedServer::listen() {
    clock_.start();
    totalTimer_.start(options_.totalTimeoutMs);
    return server_.listen(QHostAddress::LocalHost, options_.port);
}

void ScriptedServer::accept() {
    QTcpSocket* socket = server_.nextPendingConnection();
    if (client_ || !socket) {
        if (socket) {
            socket->abort();
            socket->deleteLater();
        }
        return;
    }
    client_ = socket;
    connect(client_, &QTcpSocket::readyRead, this, &ScriptedServer::readClient);
    connect(client_, &QTcpSocket::disconnected, this, [this] {
        if (scriptDone_) {
            finish();
        } else {
            fail(u"the client went away"_s);
        }
    });
    next();
}

void ScriptedServer::readClient() {
    pending_ += client_->readAll();
    while (pending_.size() >= connection::kMessageSize) {
        Received r{clock_.elapsed(),
                   connection::GameMessage::fromBytes(pending_.left(connection::kMessageSize))};
        pending_.remove(0, connection::kMessageSize);
        received_.push_back(r);
        if (onReceived) {
            onReceived(r);
        }
    }
    if (step_ < steps_.size() && steps_[step_].kind == ScriptStep::Kind::Expect) {
        next();
    }
}

void ScriptedServer::next() {
    while (!finished_ && step_ < steps_.size()) {
        const ScriptStep& step = steps_[step_];
        switch (step.kind) {
        case ScriptStep::Kind::Send:
            client_->write(step.message.toByteArray());
            ++step_;
            break;
        case ScriptStep::Kind::Close:
            client_->disconnectFromHost();
            ++step_;
            break;
        case ScriptStep::Kind::Wait:
            ++step_;
            stepTimer_.disconnect();
            connect(&stepTimer_, &QTimer::timeout, this, &ScriptedServer::next);
            stepTimer_.start(step.waitMs);
            return;
        case ScriptStep::Kind::Expect:
            for (; expectFrom_ < received_.size(); ++expectFrom_) {
                if (step.matches(received_[expectFrom_].message)) {
                    break;
                }
            }
            if (expectFrom_ == received_.size()) {
                if (!stepTimer_.isActive()) {
                    stepTimer_.disconnect();
                    connect(&stepTimer_, &QTimer::timeout, this,
                            [this, line = step.line] { fail(u"no message for: "_s + line); });
                    stepTimer_.start(options_.expectTimeoutMs);
                }
                return;
            }
            stepTimer_.stop();
            ++expectFrom_;
            ++step_;
            break;
        }
    }
    if (!finished_ && !scriptDone_) {
        scriptDone_ = true;
        passed_ = true;
        stepTimer_.disconnect();
        connect(&stepTimer_, &QTimer::timeout, this, &ScriptedServer::finish);
        stepTimer_.start(options_.lingerMs);
    }
}

void ScriptedServer::fail(const QString& why) {
    if (finished_) {
        return;
    }
    passed_ = passed_ && scriptDone_;
    if (!scriptDone_) {
        failure_ = why;
    }
    finish();
}

void ScriptedServer::finish() {
    if (finished_) {
        return;
    }
    finished_ = true;
    stepTimer_.stop();
    totalTimer_.stop();
    server_.close();
    if (client_) {
        client_->disconnect(this);
        client_->abort();
    }
    if (onFinished) {
        onFinished(passed_);
    }
}

} // namespace qv::tools
