#pragma once

#include "platform/http_client.h"

#include <QNetworkAccessManager>

#include <map>
#include <memory>

class QNetworkReply;

namespace qv::platform::qt {

/// Downloads over QNetworkAccessManager on the UI thread.
class QtHttpClient final : public HttpClient {
public:
    QtHttpClient() = default;
    ~QtHttpClient() override;
    QtHttpClient(const QtHttpClient&) = delete;
    QtHttpClient& operator=(const QtHttpClient&) = delete;

    using HttpClient::get;
    RequestId get(const QString& url, Handlers handlers, Redirects redirects) override;
    void cancel(RequestId id) override;

private:
    void finished(RequestId id);

    /// Made with the first download: making it looks for network plug-ins.
    std::unique_ptr<QNetworkAccessManager> manager_;
    RequestId lastId_ = 0;
    std::map<RequestId, std::pair<QNetworkReply*, Handlers>> pending_;
};

} // namespace qv::platform::qt
