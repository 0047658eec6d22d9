#pragma once

#include "platform/lobby_link.h"

#include <QSet>

#include <vector>

namespace qv::platform::fake {

/// A lobby in the test's hands: which titles exist, what the client asked of it, and messages the
/// test sends to the client.
class FakeLobbyLink final : public LobbyLink {
public:
    enum class Kind { Post, Restore, Minimize };
    struct Event {
        Kind kind;
        QString title;
        int message = 0;
        friend bool operator==(const Event&, const Event&) = default;
    };

    void open(const QString& title) { titles_.insert(title); }
    void close(const QString& title) { titles_.remove(title); }

    [[nodiscard]] bool find(const QString& title) override { return titles_.contains(title); }
    bool post(const QString& title, int message) override;
    bool restore(const QString& title) override;
    bool minimize(const QString& title) override;
    void listen(const QString& title, Receiver receiver) override;

    /// The lobby sends `message` to the client; it arrives only while the client listens to an
    /// open lobby.
    void send(int message);

    [[nodiscard]] const std::vector<Event>& events() const { return events_; }
    /// The message numbers posted to the lobby, in order.
    [[nodiscard]] std::vector<int> posted() const;
    void clearEvents() { events_.clear(); }

private:
    bool record(Kind kind, const QString& title, int message);

    QSet<QString> titles_;
    std::vector<Event> events_;
    QString listenTitle_;
    Receiver receiver_;
};

} // namespace qv::platform::fake
