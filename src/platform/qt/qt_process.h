#pragma once

#include "platform/process.h"

#include <functional>

namespace qv::platform::qt {

/// Ends the program on the Qt event loop: the shut-down leaves the loop, the other two end the
/// process at once.
class QtProcess final : public Process {
public:
    /// `restoreLobby` brings the lobby window back; it is wired once the lobby link exists.
    void setLobbyRestorer(std::function<void()> restoreLobby) {
        restoreLobby_ = std::move(restoreLobby);
    }

    void shutDown() override;
    [[noreturn]] void restoreLobbyThenEnd() override;
    [[noreturn]] void endNow() override;

private:
    std::function<void()> restoreLobby_;
};

} // namespace qv::platform::qt
