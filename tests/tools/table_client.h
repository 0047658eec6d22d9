#pragma once

#include "connection/game_message.h"
#include "hand.h"

#include <QProcess>
#include <QString>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

namespace qv::tools::table {

/// The table server program on a free port, with its log in a temporary folder.
class ServerProcess {
public:
    explicit ServerProcess(QStringList args);
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    [[nodiscard]] quint16 port() const { return port_; }
    [[nodiscard]] QString logPath() const { return dir_.filePath(QStringLiteral("table.log")); }
    [[nodiscard]] QString logText() const;
    /// Waits for the log to hold the text; false when it does not within the time.
    bool waitForLog(const QString& text, int timeoutMs = 30000) const;
    /// Writes a line to the program's standard input.
    void writeLine(const QString& line);
    /// Waits for the program's standard error to hold the text; false when it does not within
    /// the time.
    bool waitForError(const QString& text, int timeoutMs = 30000);
    /// Waits for the program to end; its exit code, or -1 when it did not end.
    int waitForExit();

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString errors_;
    quint16 port_ = 0;
};

/// A minimal client of the table: logs in, gets ready, calls the lowest card it may and plays
/// its lowest card on a lead, the lowest single that beats a single, else passes. It follows
/// the hand from the server's messages and notes every play that breaks the rules.
class TableClient {
public:
    explicit TableClient(quint16 port);

    [[nodiscard]] bool connected() const;
    void send(connection::GameMessage message);
    void login();
    void ready();
    /// A reconnect request naming the last sequence number and thread taken, on a new socket.
    void reconnect(std::optional<std::uint32_t> thread = std::nullopt);
    /// The next message, or nothing once the server closed the connection or went quiet.
    std::optional<connection::GameMessage> next(int timeoutMs = 30000);

    /// Keeps the hand up to date from a server message.
    void observe(const connection::GameMessage& message);
    /// Whether the message gives this client the turn.
    [[nodiscard]] bool myTurn(const connection::GameMessage& message) const;
    /// Whether the message deals this client the banker's seat.
    [[nodiscard]] bool myCall(const connection::GameMessage& message) const;
    void playTurn();
    void callPartner();
    /// Sends a play of these deck indexes (nothing: a pass) with the current turn token.
    void sendPlay(const std::vector<int>& deckIndexes);

    [[nodiscard]] int ownMask() const { return ownMask_; }
    /// The cards still held, in hand order (the lowest last).
    [[nodiscard]] const std::vector<CardCode>& hand() const { return hand_; }
    [[nodiscard]] const Play& toBeat() const { return toBeat_; }
    [[nodiscard]] bool leading() const { return toBeat_.type == rules::PlayNone; }
    [[nodiscard]] std::uint32_t thread() const { return thread_; }
    [[nodiscard]] const std::vector<std::uint16_t>& sequences() const { return sequences_; }
    [[nodiscard]] const std::vector<QString>& faults() const { return faults_; }
    [[nodiscard]] const std::vector<connection::GameMessage>& results() const { return results_; }
    /// Cards each seat (by mask bit) has played this hand.
    [[nodiscard]] int played(int mask) const;

private:
    void connectTo();

    quint16 port_;
    std::unique_ptr<QTcpSocket> socket_;
    QByteArray pending_;
    int ownMask_ = 0;
    int token_ = 0;
    std::uint16_t seq_ = 0;
    std::uint32_t thread_ = 0;
    std::vector<CardCode> hand_;
    Play toBeat_;
    std::array<int, 16> played_{};
    std::vector<std::uint16_t> sequences_;
    std::vector<QString> faults_;
    std::vector<connection::GameMessage> results_;
};

} // namespace qv::tools::table
