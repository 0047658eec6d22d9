#include "platform/qt/qt_http_client.h"

#include "platform/shell.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace qv::platform::qt {

QtHttpClient::~QtHttpClient() {
    while (!pending_.empty()) {
        cancel(pending_.begin()->first);
    }
}

HttpClient::RequestId QtHttpClient::get(const QString& url, Handlers handlers,
                                        Redirects redirects) {
    if (!isWebAddress(url)) {
        return 0;
    }
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         redirects == Redirects::Follow ? QNetworkRequest::NoLessSafeRedirectPolicy
                                                        : QNetworkRequest::ManualRedirectPolicy);
    if (!manager_) {
        manager_ = std::make_unique<QNetworkAccessManager>();
    }
    QNetworkReply* reply = manager_->get(request);
    const RequestId id = ++lastId_;
    pending_.emplace(id, std::make_pair(reply, std::move(handlers)));
    QObject::connect(reply, &QNetworkReply::finished, reply, [this, id] { finished(id); });
    return id;
}

void QtHttpClient::cancel(RequestId id) {
    const auto found = pending_.find(id);
    if (found == pending_.end()) {
        return;
    }
    QNetworkReply* reply = found->second.first;
    pending_.erase(found);
    reply->disconnect();
    reply->abort();
    reply->deleteLater();
}

void QtHttpClient::finished(RequestId id) {
    const auto found = pending_.find(id);
    if (found == pending_.end()) {
        return;
    }
    QNetworkReply* reply = found->second.first;
    const Handlers handlers = std::move(found->second.second);
    pending_.erase(found);
    reply->deleteLater();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool success = !status.isValid() || (status.toInt() >= 200 && status.toInt() < 300);
    if (reply->error() != QNetworkReply::NoError || !success) {
        if (handlers.failed) {
            handlers.failed();
        }
        return;
    }
    if (handlers.completed) {
        handlers.completed(reply->readAll());
    }
}

} // namespace qv::platform::qt
