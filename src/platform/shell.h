#pragma once

#include <QString>
#include <QUrl>

namespace qv::platform {

/// Opens pages and folders in the user's own programs (browser, file manager).
class Shell {
public:
    virtual ~Shell() = default;
    /// Opens an http or https address; other addresses are refused. True when handed over.
    virtual bool openPage(const QString& url) = 0;
    /// Opens a local folder. True when handed over.
    virtual bool openFolder(const QString& path) = 0;
};

/// Whether `url` is an http or https address with a host: the only pages the program opens.
[[nodiscard]] inline bool isWebAddress(const QString& url) {
    const QUrl parsed(url, QUrl::StrictMode);
    const QString scheme = parsed.scheme();
    return parsed.isValid() && !parsed.host().isEmpty() &&
           (scheme == QLatin1StringView("http") || scheme == QLatin1StringView("https"));
}

} // namespace qv::platform
