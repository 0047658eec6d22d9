#pragma once

#include <QSize>

namespace qv::platform {

/// The primary screen.
class Screen {
public:
    virtual ~Screen() = default;
    /// The screen's size in pixels.
    [[nodiscard]] virtual QSize size() const = 0;
};

} // namespace qv::platform
