#pragma once

#include <QString>

namespace qv::platform {

/// The folder of the program's own files (the executable's folder), without a trailing slash.
class AppFolder {
public:
    virtual ~AppFolder() = default;
    [[nodiscard]] virtual QString path() const = 0;
};

} // namespace qv::platform
