#pragma once

namespace qv::connection {

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
