#pragma once

#include <QString>

namespace qv::platform {

/// The modal message box with one OK button; it returns when the user has closed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    /// An empty title shows the program's name, as the platform does.
    virtual void show(const QString& text, const QString& title) = 0;
};

} // namespace qv::platform
