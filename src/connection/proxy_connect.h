#pragma once

namespace qv::connection {

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

} // namespace qv::connection
