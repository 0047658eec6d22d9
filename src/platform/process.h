#pragma once

namespace qv::platform {

/// The three ways the program ends.
class Process {
public:
    enum class End {
        /// The last window was closed: the event loop ends once the current handler returns.
        ShutDown,
        /// The lobby window is brought back, then the program ends at once.
        RestoreLobbyThenEnd,
        /// The program ends at once: no handler, unload or clean-up runs any more.
        EndNow,
    };

    virtual ~Process() = default;

    virtual void shutDown() = 0;
    [[noreturn]] virtual void restoreLobbyThenEnd() = 0;
    [[noreturn]] virtual void endNow() = 0;
};

} // namespace qv::platform
