#include "forms/web_browser.h"

#include "forms/form.h"
#include "platform/time_service.h"

namespace qv::forms {

namespace {

bool isWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

} // namespace

WebPage::~WebPage() {
    if (browser_ != nullptr) {
        browser_->page_ = nullptr;
    }
}

WebBrowser::WebBrowser(Container& container, QString name)
    : UserControl(container, std::move(name), QString::fromUtf16(kWebBrowserKind)) {}

WebBrowser::WebBrowser(Container& container, QString name, const ControlDesign& design)
    : UserControl(container, std::move(name), QString::fromUtf16(kWebBrowserKind), design) {}

WebBrowser::~WebBrowser() {
    attachPage(nullptr);
}

void WebBrowser::navigate(const QString& url) {
    const QUrl address(url.trimmed(), QUrl::StrictMode);
    if (!isWebAddress(address)) {
        // Addresses come from the server: only web pages are opened; the rest fails as a page
        // that cannot be reached does, after the caller's own steps.
        form().time().post([this, url, alive = std::weak_ptr<int>(alive_)] {
            if (!alive.expired() && web.navigateError) {
                web.navigateError(url, 0);
            }
        });
        return;
    }
    location_ = address;
    loadWaiting_ = page_ == nullptr;
    if (page_ != nullptr) {
        page_->load(location_);
    }
}

void WebBrowser::attachPage(WebPage* page) {
    if (page_ != nullptr) {
        page_->browser_ = nullptr;
    }
    page_ = page;
    if (page_ == nullptr) {
        return;
    }
    if (page_->browser_ != nullptr && page_->browser_ != this) {
        page_->browser_->page_ = nullptr;
    }
    page_->browser_ = this;
    if (loadWaiting_) {
        loadWaiting_ = false;
        page_->load(location_);
    }
}

void WebBrowser::pageLoaded(bool ok, int statusCode) {
    const QString url = location_.toString();
    if (!ok) {
        if (web.navigateError) {
            web.navigateError(url, statusCode);
        }
        return;
    }
    if (web.downloadComplete) {
        web.downloadComplete();
    }
    if (web.documentComplete) {
        web.documentComplete(url);
    }
}

bool WebBrowser::contextMenuAllowed() {
    return !web.contextMenu || web.contextMenu();
}

} // namespace qv::forms
