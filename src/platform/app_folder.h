#pragma once

#include <QString>

namespace qv::platform {

/// The folder of the program's own files (the executable's folder), without a trailing slash.
class AppFolder {
public:
    virtual ~AppFolder() = default;
    [[nodiscard]] virtual QString path() const = 0;
    /// The user's cache folder for the program's downloads, without a trailing slash; it may not
    /// exist yet.
    [[nodiscard]] virtual QString cachePath() const = 0;
};

} // namespace qv::platform
