#pragma once

namespace qv::connection {

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

} // namespace qv::connection
