#pragma once

#include "platform/http_client.h"

#include <map>
#include <optional>

namespace qv::platform::fake {

/// Downloads that the test finishes: it sees each request and completes or fails it.
class FakeHttpClient final : public HttpClient {
public:
    using HttpClient::get;
    /// Redirections are the test's to play: it completes or fails each request.
    RequestId get(const QString& url, Handlers handlers, Redirects redirects) override;
    void cancel(RequestId id) override;

    /// Makes every new request fail to start.
    void refuseRequests(bool refuse) { refuse_ = refuse; }
    /// The address of a pending request; empty when there is none.
    [[nodiscard]] QString url(RequestId id) const;
    [[nodiscard]] RequestId lastRequest() const { return lastId_; }
    [[nodiscard]] std::size_t pendingCount() const { return pending_.size(); }
    /// Finishes a pending request with `body`, or as failed.
    void complete(RequestId id, const QByteArray& body);
    void fail(RequestId id);

private:
    /// Removes a pending request, giving its handlers.
    std::optional<Handlers> take(RequestId id);

    struct Request {
        QString url;
        Handlers handlers;
    };
    std::map<RequestId, Request> pending_;
    RequestId lastId_ = 0;
    bool refuse_ = false;
};

} // namespace qv::platform::fake
