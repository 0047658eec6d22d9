#pragma once

#include "connection/game_message.h"

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace qv::connection {

/// The message branches, registered by the subsystems that own them when the client is
/// assembled. A branch is two steps: `decode` reads the message into a typed value with every
/// range check done and gives nothing (or throws `MessageError`) when the message does not fit;
/// only then `apply` changes state. A message that fails its decode changes nothing.
///
///     dispatcher.on(MsgPlayMade, decodePlayMade, [&](const PlayMade& m) { ... });
class Dispatcher {
public:
    template <typename Decode, typename Apply>
    void on(std::uint8_t command, Decode decode, Apply apply) {
        auto& branch = branches_[command];
        if (branch) {
            throw std::logic_error("a command's branch is registered twice");
        }
        branch = [decode = std::move(decode), apply = std::move(apply)](const GameMessage& m) {
            if (auto value = decode(m)) {
                apply(std::as_const(*value));
            }
        };
    }

    [[nodiscard]] bool has(std::uint8_t command) const {
        return static_cast<bool>(branches_[command]);
    }
    /// Runs the branch of the message's command, if one is registered.
    void run(const GameMessage& message) const {
        if (const auto& branch = branches_[message.command()]) {
            branch(message);
        }
    }

private:
    std::array<std::function<void(const GameMessage&)>, 256> branches_;
};

} // namespace qv::connection
