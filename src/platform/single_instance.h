#pragma once

namespace qv::platform {

/// Whether another copy of the program is running.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    /// True when another copy holds the program's mark; otherwise this copy takes the mark and
    /// keeps it until it ends.
    [[nodiscard]] virtual bool previousInstance() = 0;
};

} // namespace qv::platform
