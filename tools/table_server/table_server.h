#pragma once

#include "hand.h"
#include "phrases.h"
#include "table_messages.h"
#include "triggers.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace qv::tools::table {

/// One game table on 127.0.0.1: seats the client's player with three computer players and plays
/// whole hands with him. One client at a time; a new connection replaces the old one.
class TableServer : public QObject {
    Q_OBJECT
public:
    struct Options {
        std::uint16_t port = 0;
        std::uint32_t seed = 1;
        int delayMs = 800;
        /// Hands to play before closing; 0 plays on.
        int hands = 0;
        /// Drop the connection after this many play messages (once); 0 never.
        int dropAfterPlays = 0;
        /// The drop comes in the middle of that play message: only its first bytes go out.
        bool dropMidMessage = false;
        bool acceptReconnect = true;
        QString logPath;
        /// Seconds of every turn and of the partner call, sent with the deal and every play.
        int turnSeconds = 20;
        /// Deal this long after the computer players are ready, without the player's ready
        /// message; 0 waits for it.
        int dealAfterMs = 0;
        PhraseMode phrases = PhraseMode::Rare;
        /// The client watches: four computer players play, the client sees the table from one
        /// of their seats, and what it sends to play is ignored.
        bool watch = false;
        /// The seatings offer the item plug-in.
        bool pluginAllowed = false;
        /// Command 46 goes between the two result messages of every hand.
        bool pluginResult = false;
        /// The player's own prize and jade after every hand, the mode-7 notice's text sent with
        /// the result; none when empty.
        QString reward;
        /// Run at the end of every hand, once the table waits again.
        std::vector<Trigger> atHandEnd;
        /// The player's item bag, sent once he is seated; none when empty.
        std::vector<Goods> bag;
        /// The prize pool's amount, sent on each of the client's requests; none when empty.
        QString pool;
        /// The winner records the client's requests are answered from.
        std::vector<WinnerRecord> winners;
    };

    /// How long past the client's own countdown the server waits before moving for him.
    static constexpr int kGraceSeconds = 5;
    /// How long the table stays open after the last hand's result for a present player.
    static constexpr int kLingerMs = 1000;
    static constexpr int kAutoPlayAfter = 3;
    static constexpr std::uint32_t kStake = 100;

    explicit TableServer(Options options);

    /// Listens; false when the port is taken or the log cannot be written.
    bool listen();
    [[nodiscard]] std::uint16_t port() const { return server_.serverPort(); }

    /// Sends what the trigger names and keeps the table consistent with it; why it cannot be
    /// done, or nothing.
    std::optional<QString> trigger(const Trigger& trigger);

    /// Called once the hands asked for are played and the connection is closed.
    std::function<void()> onFinished;
    /// The tournaments: told of every accepted login with the player's nickname, and offered the
    /// player's messages that the table does not handle (true when taken).
    std::function<void(const QString& nickname)> onLogin;
    std::function<bool(const GameMessage&)> onOther;
    /// Sends a message outside the table's history, as the tournament messages are.
    void sendOutside(const GameMessage& message);

private:
    enum class Phase { Empty, Waiting, Calling, Playing };
    struct Seat {
        SeatedPlayer player;
        bool computer = true;
        bool ready = false;
    };

    void accept();
    void readClient(QTcpSocket* socket);
    void connectionLost();
    void detachClient();
    void handle(const GameMessage& message);

    void login(const GameMessage& request);
    void reconnect(const GameMessage& request);
    void refuseReconnect();
    void ready(int seat);
    void partnerCallRequest(const GameMessage& message);
    void playRequest(const GameMessage& message);
    /// Notes the client's shop messages and answers its winners and pool requests.
    void shopRequest(const GameMessage& message);

    void seatEveryone();
    void deal();
    void finishCall(CardCode card);
    void scheduleTurn();
    void turnTimeUp();
    void applyMove(const std::optional<Play>& play);
    void endHand();
    void sayPhrase();
    void leave(int index);
    void abandonHand();
    void waitForLeave();
    /// The waiting state the table sends between hands.
    [[nodiscard]] GameMessage waiting() const;
    void finish();
    void endSession();

    void send(GameMessage message);
    void write(const GameMessage& message);
    void note(const QString& text);
    void logMessage(const char* direction, const GameMessage& message);
    [[nodiscard]] Seat& seat(int index) { return seats_[static_cast<std::size_t>(index)]; }
    [[nodiscard]] Seat& human() { return seat(humanSeat_); }
    /// The seat index of a seat counted from the player in the order of play.
    [[nodiscard]] int seatFromPlayer(int counted) const { return (humanSeat_ + counted) % kSeats; }
    [[nodiscard]] bool present() const { return client_ && joined_; }
    [[nodiscard]] bool handsOver() const {
        return options_.hands > 0 && handsPlayed_ >= options_.hands;
    }

    Options options_;
    QTcpServer server_;
    QTcpSocket* client_ = nullptr;
    /// The connection has logged in or reconnected: until then the table's messages only go
    /// into the history.
    bool joined_ = false;
    QByteArray pending_;
    QFile log_;
    QElapsedTimer clock_;
    QTimer turnTimer_;
    QTimer readyTimer_;
    QTimer dealTimer_;
    /// Bounds the wait for a player who was away when the last hand ended.
    QTimer returnTimer_;
    std::uint32_t random_;
    /// The phrases' own generator, so that the deals do not depend on the phrase mode.
    std::uint32_t phraseRandom_;
    std::int32_t wealthMultiple_ = 0;

    Phase phase_ = Phase::Empty;
    std::array<Seat, kSeats> seats_;
    int humanSeat_ = -1;
    int computersMade_ = 0;
    std::optional<Hand> hand_;
    int nextBanker_ = -1;
    int handsDealt_ = 0;
    int handsPlayed_ = 0;
    std::uint32_t threadIndex_ = 0;

    std::uint16_t seq_ = 0;
    std::vector<GameMessage> history_;
    std::uint8_t token_ = 0;
    std::uint8_t humanToken_ = 0;
    int playsSent_ = 0;
    bool dropped_ = false;
    bool finished_ = false;
};

} // namespace qv::tools::table
