#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace qv::platform {

/// Asynchronous HTTP GET of a whole resource (the Internet Transfer control and the controls'
/// own downloads). Outcomes arrive later as UI-thread events, never inside `get`.
class HttpClient {
public:
    using RequestId = int;
    struct Handlers {
        /// The whole body of a download answered with a success status (2xx).
        std::function<void(const QByteArray& body)> completed;
        /// The download failed: the address, the connection (also one dropped before the body's
        /// end) or a status other than success.
        std::function<void()> failed;
    };

    /// Whether a download follows the server's redirections; refused, a redirection fails it.
    enum class Redirects { Follow, Refuse };

    virtual ~HttpClient() = default;
    /// Starts downloading an http or https address; 0 when it cannot be started (and no handler
    /// runs then).
    virtual RequestId get(const QString& url, Handlers handlers, Redirects redirects) = 0;
    RequestId get(const QString& url, Handlers handlers) {
        return get(url, std::move(handlers), Redirects::Follow);
    }
    /// Drops a download; its handlers never run. Unknown or finished ids are ignored.
    virtual void cancel(RequestId id) = 0;
};

} // namespace qv::platform
