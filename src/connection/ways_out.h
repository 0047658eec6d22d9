#pragma once

#include <QString>

namespace qv::connection {

class Connection;

/// The ways out of the table: the leave message, the reset of table and connection, and the
/// table's own resets.
class TableExit {
public:
    virtual ~TableExit() = default;
    virtual void SendLeaveTable() = 0;
    virtual void LeaveTableReset() = 0;
    virtual void ClearTableState() = 0;
    virtual void ResetTable() = 0;
    /// `frmOtherExit`, on top and centred over the table, with its label set to `text`.
    virtual void ShowOtherExit(const QString& text) = 0;
};

/// The least the ways out do until they are built: the leave message straight to the socket,
/// the pump and the connection stopped, the start button locked and the table minimised.
class LeastTableExit final : public TableExit {
public:
    explicit LeastTableExit(Connection& conn) : conn_(conn) {}
    void SendLeaveTable() override;
    void LeaveTableReset() override;
    void ClearTableState() override {}
    void ResetTable() override {}
    /// The notice as a message box, so the player reads it.
    void ShowOtherExit(const QString& text) override;

private:
    Connection& conn_;
};

/// Connects through the SOCKS5 proxy; the login follows from the proxy's replies.
class ProxyConnect {
public:
    virtual ~ProxyConnect() = default;
    /// Starts the connection to the proxy and returns; the exchange runs on the socket's events.
    virtual void ConnectToSock5Server() = 0;
    /// The socket reached the proxy.
    virtual void ProxyConnected() = 0;
    /// The socket failed or was closed before the exchange was done.
    virtual void ProxyFailed() = 0;
    /// A reply byte has arrived in the proxy reply ring.
    virtual void OnSocksReply() = 0;
};

/// The lost connection during a hand: the hidden reconnect window takes over.
class Reconnect {
public:
    virtual ~Reconnect() = default;
    virtual void startReconnect() = 0;
};

} // namespace qv::connection
