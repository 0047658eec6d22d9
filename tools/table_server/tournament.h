#pragma once

#include "connection/game_message.h"

#include <QByteArray>
#include <QString>
#include <QTcpServer>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace qv::tools::table {

using connection::GameMessage;

/// The server's side of the tournaments: announces a configuration and serves it over HTTP on
/// 127.0.0.1, lists one run of match 1, sets the automatic sign-up window and the clock, answers
/// sign-ups, ranking and time requests, and plays the run on a schedule counted from the login:
/// its start, the player's places, the end with his final place, the champion, the next run, a
/// gold change and the table's standing.
class Tournament {
public:
    struct Options {
        /// Announce this address instead of serving the configuration.
        QString url;
        /// The configuration served and announced; a built-in one when empty.
        QByteArray config;
        /// Announce a digest that does not match.
        bool wrongDigest = false;
        /// Seconds from the login to the run's start, and its length.
        int startAfter = 60;
        int length = 120;
        /// The automatic sign-up window sent with the login (command 90).
        int signUpWindow = 120;
    };

    /// `send` puts a message on the connection.
    Tournament(Options options, std::function<void(const GameMessage&)> send);

    /// Listens for the configuration's download (unless an address is given); false when it
    /// cannot.
    bool listen();
    /// The address announced.
    [[nodiscard]] QString url() const;

    /// The player logged in: the announcements and the schedule start again.
    void loggedIn(const QString& nickname);
    /// A message of the player; true when it was a tournament one.
    bool handle(const GameMessage& message);
    /// Stops the schedule.
    void stop();

    /// The built-in configuration: match 1, "Quorvale周赛", prizes for the first three places.
    static QByteArray builtInConfig();

private:
    void serve(QTcpSocket* socket);
    void step();
    void send(const GameMessage& message) { send_(message); }
    [[nodiscard]] GameMessage runMessage(std::uint8_t command) const;
    [[nodiscard]] std::int64_t now() const;

    Options options_;
    std::function<void(const GameMessage&)> send_;
    /// The player's nickname in GBK.
    QByteArray nickname_;
    QTcpServer http_;
    QTimer schedule_;
    std::int64_t start_ = 0;
    int signedUp_ = 0;
    bool playerIn_ = false;
    int stage_ = 0;
};

/// The tournament lines of the help text.
[[nodiscard]] QString tournamentHelp();

} // namespace qv::tools::table
