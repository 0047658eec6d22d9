#include "platform/fake/fake_http_client.h"

namespace qv::platform::fake {

HttpClient::RequestId FakeHttpClient::get(const QString& url, Handlers handlers) {
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

void FakeHttpClient::complete(RequestId id, const QByteArray& body) {
    const auto found = pending_.find(id);
    if (found == pending_.end()) {
        return;
    }
    const Handlers handlers = std::move(found->second.handlers);
    pending_.erase(found);
    if (handlers.completed) {
        handlers.completed(body);
    }
}

void FakeHttpClient::fail(RequestId id) {
    const auto found = pending_.find(id);
    if (found == pending_.end()) {
        return;
    }
    const Handlers handlers = std::move(found->second.handlers);
    pending_.erase(found);
    if (handlers.failed) {
        handlers.failed();
    }
}

} // namespace qv::platform::fake
