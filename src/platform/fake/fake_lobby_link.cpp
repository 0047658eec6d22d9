#include "platform/fake/fake_lobby_link.h"

namespace qv::platform::fake {

bool FakeLobbyLink::record(Kind kind, const QString& title, int message) {
    if (!find(title)) {
        return false;
    }
    events_.push_back({kind, title, message});
    return true;
}

bool FakeLobbyLink::post(const QString& title, int message) {
    return record(Kind::Post, title, message);
}

bool FakeLobbyLink::restore(const QString& title) {
    return record(Kind::Restore, title, 0);
}

bool FakeLobbyLink::minimize(const QString& title) {
    return record(Kind::Minimize, title, 0);
}

void FakeLobbyLink::listen(const QString& title, Receiver receiver) {
    listenTitle_ = title;
    receiver_ = std::move(receiver);
}

void FakeLobbyLink::send(int message) {
    if (receiver_ && find(listenTitle_)) {
        receiver_(message);
    }
}

std::vector<int> FakeLobbyLink::posted() const {
    std::vector<int> messages;
    for (const auto& event : events_) {
        if (event.kind == Kind::Post) {
            messages.push_back(event.message);
        }
    }
    return messages;
}

} // namespace qv::platform::fake
