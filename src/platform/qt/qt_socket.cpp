#include "platform/qt/qt_socket.h"

namespace qv::platform::qt {

namespace {

int errorNumber(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return Socket::sckConnectionRefused;
    case QAbstractSocket::HostNotFoundError:
        return Socket::sckHostNotFound;
    case QAbstractSocket::SocketTimeoutError:
        return Socket::sckTimedout;
    case QAbstractSocket::NetworkError:
        return Socket::sckHostUnreachable;
    default:
        return Socket::sckConnectionReset;
    }
}

} // namespace

QtSocket::QtSocket() {
    connect(&socket_, &QTcpSocket::stateChanged, this, &QtSocket::onStateChanged);
    connect(&socket_, &QTcpSocket::readyRead, this, &QtSocket::onReadyRead);
    connect(&socket_, &QTcpSocket::disconnected, this, &QtSocket::onDisconnected);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &QtSocket::onError);
}

bool QtSocket::Connect() {
    if (state_ != sckClosed) {
        return false;
    }
    state_ = sckConnecting;
    socket_.connectToHost(RemoteHost(), static_cast<quint16>(RemotePort()));
    return true;
}

void QtSocket::Close() {
    // Our own close raises no events: mark the socket closed before Qt reports the disconnect.
    state_ = sckClosed;
    received_.clear();
    if (socket_.state() == QAbstractSocket::ConnectedState) {
        socket_.flush();
    }
    socket_.abort();
}

bool QtSocket::SendData(const QByteArray& data) {
    if (state_ != sckConnected) {
        return false;
    }
    socket_.write(data);
    socket_.flush();
    return true;
}

void QtSocket::onStateChanged(QAbstractSocket::SocketState state) {
    if (state_ == sckClosed || state_ == sckError || state_ == sckClosing) {
        return;
    }
    switch (state) {
    case QAbstractSocket::HostLookupState:
        state_ = sckResolvingHost;
        break;
    case QAbstractSocket::ConnectingState:
        state_ = sckConnecting;
        break;
    case QAbstractSocket::ConnectedState:
        state_ = sckConnected;
        raiseConnect();
        break;
    default:
        break;
    }
}

void QtSocket::onReadyRead() {
    if (state_ != sckConnected) {
        socket_.readAll();
        return;
    }
    arrived(socket_.readAll());
}

void QtSocket::onDisconnected() {
    if (state_ != sckConnected) {
        return;
    }
    state_ = sckClosing;
    raiseClose();
}

void QtSocket::onError(QAbstractSocket::SocketError error) {
    // A peer that closes an established connection is a Close, reported by onDisconnected.
    if (state_ == sckClosed || state_ == sckError || state_ == sckClosing ||
        (error == QAbstractSocket::RemoteHostClosedError && state_ == sckConnected)) {
        return;
    }
    state_ = sckError;
    raiseError(errorNumber(error), socket_.errorString());
}

} // namespace qv::platform::qt
