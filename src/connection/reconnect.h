#pragma once

namespace qv::connection {

/// The lost connection during a hand: the hidden reconnect window takes over.
class Reconnect {
public:
    virtual ~Reconnect() = default;
    virtual void startReconnect() = 0;
};

} // namespace qv::connection
