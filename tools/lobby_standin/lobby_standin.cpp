#include "lobby_standin.h"

#include "platform/qt/qt_lobby_link.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qv::tools {
namespace {

constexpr qsizetype kMaxLine = 64;

QString hex(int message) {
    return u"0x"_s + QString::number(message, 16);
}

} // namespace

LobbyStandIn::LobbyStandIn(QString title) : title_(std::move(title)) {
    connect(&server_, &QLocalServer::newConnection, this, &LobbyStandIn::accept);
}

LobbyStandIn::~LobbyStandIn() {
    close();
}

bool LobbyStandIn::listen() {
    const QString name = platform::qt::QtLobbyLink::lobbyServerName(title_);
    QLocalServer::removeServer(name);
    return server_.listen(name);
}

void LobbyStandIn::close() {
    server_.close();
    for (QLocalSocket* socket : listeners_) {
        socket->disconnect(this);
        socket->abort();
    }
    listeners_.clear();
}

void LobbyStandIn::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            std::erase(listeners_, socket);
            socket->deleteLater();
        });
        read(socket);
    }
}

void LobbyStandIn::read(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(kMaxLine).trimmed();
        if (line == "LISTEN") {
            listeners_.push_back(socket);
        } else if (line == "RESTORE" || line == "MINIMIZE") {
            note(QString::fromLatin1(line));
            setWindowState(line == "RESTORE" ? WindowState::Normal : WindowState::Minimized);
            socket->write("ACK\n");
        } else if (line.startsWith("POST ")) {
            bool ok = false;
            const int message = line.mid(5).toInt(&ok);
            if (ok) {
                posted_.push_back(message);
                note(u"POST "_s + hex(message));
            }
        }
    }
    if (socket->bytesAvailable() > kMaxLine) {
        socket->abort();
    }
}

void LobbyStandIn::send(int message) {
    note(u"SEND "_s + hex(message));
    for (QLocalSocket* socket : listeners_) {
        socket->write("MSG " + QByteArray::number(message) + '\n');
        socket->flush();
    }
}

void LobbyStandIn::setWindowState(WindowState state) {
    state_ = state;
    if (onWindowState) {
        onWindowState(state);
    }
}

void LobbyStandIn::note(const QString& line) {
    log_.append(line);
    if (onLog) {
        onLog(line);
    }
}

} // namespace qv::tools
