#include "platform/fake/fake_http_client.h"

namespace qv::platform::fake {

HttpClient::RequestId FakeHttpClient::get(const QString& url, Handlers handlers, Redirects) {
    if (refuse_) {
        return 0;
    }
    pending_.emplace(++lastId_, Request{url, std::move(handlers)});
    return lastId_;
}

void FakeHttpClient::cancel(RequestId id) {
    pending_.erase(id);
}

QString FakeHttpClient::url(RequestId id) const {
    const auto found = pending_.find(id);
    return found == pending_.end() ? QString() : found->second.url;
}

std::optional<HttpClient::Handlers> FakeHttpClient::take(RequestId id) {
    const auto found = pending_.find(id);
    if (found == pending_.end()) {
        return std::nullopt;
    }
    Handlers handlers = std::move(found->second.handlers);
    pending_.erase(found);
    return handlers;
}

void FakeHttpClient::complete(RequestId id, const QByteArray& body) {
    const std::optional<Handlers> handlers = take(id);
    if (handlers && handlers->completed) {
        handlers->completed(body);
    }
}

void FakeHttpClient::fail(RequestId id) {
    const std::optional<Handlers> handlers = take(id);
    if (handlers && handlers->failed) {
        handlers->failed();
    }
}

} // namespace qv::platform::fake
