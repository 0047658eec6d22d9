#pragma once

#include "platform/lobby_link.h"

#include <QByteArray>
#include <QLocalSocket>
#include <QObject>

#include <memory>

namespace qv::platform::qt {

/// The lobby link over a local socket. The lobby serves a `QLocalServer` named after its title
/// (`lobbyServerName`); the client says one line per request and the lobby one line per message:
///   client: "POST <n>", "RESTORE", "MINIMIZE", "LISTEN"
///   lobby:  "ACK" (once RESTORE or MINIMIZE is done), "MSG <n>" (to LISTEN connections only)
/// Lookups, posts and window requests each use a fresh connection; the lobby's messages come over
/// the one connection that `listen` keeps open.
class QtLobbyLink final : public LobbyLink {
public:
    explicit QtLobbyLink(int timeoutMs = 2000);
    ~QtLobbyLink() override;
    QtLobbyLink(const QtLobbyLink&) = delete;
    QtLobbyLink& operator=(const QtLobbyLink&) = delete;

    [[nodiscard]] bool find(const QString& title) override;
    bool post(const QString& title, int message) override;
    bool restore(const QString& title) override;
    bool minimize(const QString& title) override;
    void listen(const QString& title, Receiver receiver) override;

    /// The local server name of the lobby whose window has `title`.
    static QString lobbyServerName(const QString& title);

private:
    std::unique_ptr<QLocalSocket> open(const QString& title) const;
    bool request(const QString& title, const QByteArray& line);
    void readMessages();

    int timeoutMs_;
    QObject context_;
    std::unique_ptr<QLocalSocket> listener_;
    QByteArray pending_;
    Receiver receiver_;
};

} // namespace qv::platform::qt
