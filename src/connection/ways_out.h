#pragma once

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

private:
    Connection& conn_;
};

/// Connects through the SOCKS5 proxy; the login follows from the proxy's replies.
class ProxyConnect {
public:
    virtual ~ProxyConnect() = default;
    virtual void ConnectToSock5Server() = 0;
    /// The proxy's reply bytes have arrived in the proxy reply ring.
    virtual void OnSocksReply() = 0;
};

/// Until the proxy is built, a proxy connection does not connect.
class NoProxy final : public ProxyConnect {
public:
    void ConnectToSock5Server() override {}
    void OnSocksReply() override {}
};

/// The lost connection during a hand: the hidden reconnect window takes over.
class Reconnect {
public:
    virtual ~Reconnect() = default;
    virtual void startReconnect() = 0;
};

/// Until the reconnect is built, the client waits for the connection check.
class NoReconnect final : public Reconnect {
public:
    void startReconnect() override {}
};

} // namespace qv::connection
