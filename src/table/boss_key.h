#pragma once

namespace qv::table {

/// Where the boss key F1 went down; each place leaves the play flags its own way.
enum class BossKeyFrom {
    /// The table surface, and the pump after repeated time-outs: automatic and hidden play on.
    TableSurface,
    /// The window's own key handler and the hide button: automatic and hidden play unchanged.
    Window,
    /// The chat box: automatic and hidden play on, the turns restarting from one second.
    ChatBox,
};

/// The boss key: every window over the table closed or hidden, the table and the lobby
/// minimised.
class BossKey {
public:
    virtual ~BossKey() = default;
    virtual void Press(BossKeyFrom from) = 0;
};

} // namespace qv::table
