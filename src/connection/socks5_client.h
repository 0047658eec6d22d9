#pragma once

#include "connection/proxy_connect.h"
#include "connection/service_timer.h"

#include <cstdint>

namespace qv::connection {

class Connection;

/// The SOCKS5 client (RFC 1928, with the user name/password method of RFC 1929) over the game's
/// one socket. It never waits: `ConnectToSock5Server` starts the connect and returns, and the
/// socket's events drive the stages; the exchange ends in success (game data flows, the login
/// goes out, the pump starts) or in its failure notice with the socket closed. The whole
/// exchange is bounded: a proxy that cannot be reached or never finishes fails the same way as a
/// refused CONNECT.
class Socks5Client final : public ProxyConnect {
public:
    static constexpr int kExchangeBoundMs = 10000;

    explicit Socks5Client(Connection& conn);

    void ConnectToSock5Server() override;
    void ProxyConnected() override;
    void ProxyFailed() override;
    void OnSocksReply() override;

    /// Builds and sends the packet of stage 1, 3 or 5 and moves to the stage that awaits its
    /// reply; a packet that cannot be built fails the exchange.
    void SendSocksStage(std::uint8_t& stage);

private:
    void fail(const QString& text);
    void succeed();

    Connection& conn_;
    ServiceTimer bound_;
};

/// Empties the proxy reply ring; its bytes are left as they are.
void ResetProxyReply(Connection& conn);

} // namespace qv::connection
