#pragma once

#include <QString>

#include <functional>

namespace qv::platform {

/// The game lobby, another program that started the client, found by the title of its window.
/// Every operation looks the lobby up afresh, so a lobby that has gone away is noticed at the
/// next call.
class LobbyLink {
public:
    using Receiver = std::function<void(int message)>;

    virtual ~LobbyLink() = default;

    /// Whether a lobby with this title is there now.
    [[nodiscard]] virtual bool find(const QString& title) = 0;
    /// Posts a message number to the lobby without waiting; false when there is none.
    virtual bool post(const QString& title, int message) = 0;
    /// Asks the lobby to restore its window and returns once it has; false when there is none.
    virtual bool restore(const QString& title) = 0;
    /// Asks the lobby to minimise its window and returns once it has; false when there is none.
    virtual bool minimize(const QString& title) = 0;
    /// From now on the messages that the lobby with this title sends reach `receiver` as UI-thread
    /// events, and only those; an empty receiver stops the delivery.
    virtual void listen(const QString& title, Receiver receiver) = 0;
};

} // namespace qv::platform
