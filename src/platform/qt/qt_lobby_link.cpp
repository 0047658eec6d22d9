#include "platform/qt/qt_lobby_link.h"

#include <QCryptographicHash>
#include <QList>

using namespace Qt::StringLiterals;

namespace qv::platform::qt {
namespace {

constexpr qsizetype kMaxLine = 64;

} // namespace

QtLobbyLink::QtLobbyLink(int timeoutMs) : timeoutMs_(timeoutMs) {}

QtLobbyLink::~QtLobbyLink() {
    if (listener_) {
        QObject::disconnect(listener_.get(), nullptr, &context_, nullptr);
        listener_->abort();
    }
}

QString QtLobbyLink::lobbyServerName(const QString& title) {
    const auto digest = QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha1);
    return u"qv-lobby-"_s + QString::fromLatin1(digest.toHex().left(24));
}

std::unique_ptr<QLocalSocket> QtLobbyLink::open(const QString& title) const {
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(lobbyServerName(title));
    if (!socket->waitForConnected(timeoutMs_)) {
        return nullptr;
    }
    return socket;
}

bool QtLobbyLink::find(const QString& title) {
    const auto socket = open(title);
    if (!socket) {
        return false;
    }
    socket->abort();
    return true;
}

bool QtLobbyLink::post(const QString& title, int message) {
    const auto socket = open(title);
    if (!socket) {
        return false;
    }
    socket->write("POST " + QByteArray::number(message) + '\n');
    socket->waitForBytesWritten(timeoutMs_);
    socket->disconnectFromServer();
    return true;
}

bool QtLobbyLink::request(const QString& title, const QByteArray& line) {
    const auto socket = open(title);
    if (!socket) {
        return false;
    }
    socket->write(line + '\n');
    socket->waitForBytesWritten(timeoutMs_);
    // The lobby answers once its window has changed; a lobby that says nothing still counts as
    // found, the wait only keeps the order of events the caller expects.
    QByteArray answer;
    while (!answer.contains("ACK\n") && answer.size() < kMaxLine &&
           socket->waitForReadyRead(timeoutMs_)) {
        answer += socket->readAll();
    }
    socket->disconnectFromServer();
    return true;
}

bool QtLobbyLink::restore(const QString& title) {
    return request(title, "RESTORE");
}

bool QtLobbyLink::minimize(const QString& title) {
    return request(title, "MINIMIZE");
}

void QtLobbyLink::listen(const QString& title, Receiver receiver) {
    if (listener_) {
        QObject::disconnect(listener_.get(), nullptr, &context_, nullptr);
        listener_->abort();
        listener_.reset();
    }
    pending_.clear();
    receiver_ = std::move(receiver);
    if (!receiver_) {
        return;
    }
    listener_ = open(title);
    if (!listener_) {
        return;
    }
    QObject::connect(listener_.get(), &QLocalSocket::readyRead, &context_,
                     [this] { readMessages(); });
    listener_->write("LISTEN\n");
    listener_->flush();
    readMessages();
}

void QtLobbyLink::readMessages() {
    pending_ += listener_->readAll();
    QList<int> messages;
    for (auto end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
        const QByteArray line = pending_.left(end).trimmed();
        pending_.remove(0, end + 1);
        bool ok = false;
        const int message = line.startsWith("MSG ") ? line.mid(4).toInt(&ok) : 0;
        if (ok) {
            messages.append(message);
        }
    }
    if (pending_.size() > kMaxLine) {
        pending_.clear();
    }
    for (const int message : messages) {
        if (receiver_) {
            receiver_(message);
        }
    }
}

} // namespace qv::platform::qt
