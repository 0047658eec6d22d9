#pragma once

#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace qv::tools {

/// Plays the game lobby's part of the lobby link: serves it under a window title, notes every
/// request of the client and sends the lobby's own messages to the clients that listen.
class LobbyStandIn : public QObject {
    Q_OBJECT
public:
    enum class WindowState { Normal, Minimized };

    explicit LobbyStandIn(QString title);
    ~LobbyStandIn() override;
    LobbyStandIn(const LobbyStandIn&) = delete;
    LobbyStandIn& operator=(const LobbyStandIn&) = delete;

    /// Serves the link; false when the name cannot be taken.
    bool listen();
    void close();
    /// Sends a message number to every listening client.
    void send(int message);
    /// The lobby restores or minimises its own window.
    void setWindowState(WindowState state);

    [[nodiscard]] WindowState windowState() const { return state_; }
    /// Every request in arrival order: "POST 0x16", "RESTORE", "MINIMIZE".
    [[nodiscard]] const QStringList& log() const { return log_; }
    /// The message numbers posted by the client, in order.
    [[nodiscard]] std::vector<int> posted() const { return posted_; }
    [[nodiscard]] int listeners() const { return static_cast<int>(listeners_.size()); }

    /// Called with each log line as it is noted, and with each change of the window state.
    std::function<void(const QString&)> onLog;
    std::function<void(WindowState)> onWindowState;

private:
    void accept();
    void read(QLocalSocket* socket);
    void note(const QString& line);

    QString title_;
    QLocalServer server_;
    std::vector<QLocalSocket*> listeners_;
    QStringList log_;
    std::vector<int> posted_;
    WindowState state_ = WindowState::Normal;
};

} // namespace qv::tools
