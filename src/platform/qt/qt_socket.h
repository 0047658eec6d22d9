#pragma once

#include "platform/socket.h"

#include <QObject>
#include <QTcpSocket>

namespace qv::platform::qt {

/// The socket control over a QTcpSocket of the UI thread.
class QtSocket final : public QObject, public Socket {
    Q_OBJECT
public:
    QtSocket();

    bool Connect() override;
    void Close() override;
    bool SendData(const QByteArray& data) override;

private:
    void onStateChanged(QAbstractSocket::SocketState state);
    void onReadyRead();
    void onDisconnected();
    void onError(QAbstractSocket::SocketError error);

    QTcpSocket socket_;
};

} // namespace qv::platform::qt
