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

    [[nodiscard]] QString RemoteHost() const override { return host_; }
    void setRemoteHost(const QString& host) override { host_ = host; }
    [[nodiscard]] int RemotePort() const override { return port_; }
    void setRemotePort(int port) override { port_ = port; }

    bool Connect() override;
    void Close() override;
    [[nodiscard]] int State() const override { return state_; }

    bool SendData(const QByteArray& data) override;
    QByteArray GetData(int maxLen = -1) override;
    [[nodiscard]] int BytesReceived() const override;

private:
    void onStateChanged(QAbstractSocket::SocketState state);
    void onReadyRead();
    void onDisconnected();
    void onError(QAbstractSocket::SocketError error);

    QTcpSocket socket_;
    QString host_;
    int port_ = 0;
    int state_ = sckClosed;
    QByteArray received_;
};

} // namespace qv::platform::qt
