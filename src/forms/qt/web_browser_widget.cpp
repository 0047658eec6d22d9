#include "forms/qt/web_browser_widget.h"

#include "forms/qt/web_engine_loader.h"

#include <QResizeEvent>
#include <QTimer>

namespace qv::forms::qt {

WebBrowserWidget::WebBrowserWidget(WebBrowser& control, QWidget* parent)
    : QWidget(parent), control_(&control) {}

WebBrowserWidget::~WebBrowserWidget() = default;

QWidget* WebBrowserWidget::engineWidget() const {
    return view_ != nullptr ? &view_->widget() : nullptr;
}

void WebBrowserWidget::load(const QUrl& url) {
    if (view_ != nullptr) {
        view_->load(url);
        return;
    }
    // Without an engine no page can be reached: the navigation fails as one would.
    QTimer::singleShot(0, this, [this] {
        if (WebBrowser* shown = browser()) {
            shown->pageLoaded(false);
        }
    });
}

void WebBrowserWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!tried_) {
        tried_ = true;
        makeEngineView();
    }
}

void WebBrowserWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (view_ != nullptr) {
        view_->widget().resize(event->size());
    }
}

void WebBrowserWidget::makeEngineView() {
    const CreateEngineView makeView = loadWebEngine();
    if (makeView == nullptr) {
        control_->attachPage(this);
        return;
    }
    EngineViewEvents events;
    events.loadFinished = [this](bool ok) {
        if (WebBrowser* browser = this->browser()) {
            browser->pageLoaded(ok);
        }
    };
    events.contextMenu = [this] {
        WebBrowser* shown = browser();
        return shown == nullptr || shown->contextMenuAllowed();
    };
    view_.reset(makeView(this, std::move(events)));
    view_->widget().setGeometry(rect());
    view_->widget().show();
    control_->attachPage(this);
}

WidgetFactory webBrowserWidgetFactory() {
    return [](UserControl& control, QWidget* parent) -> QWidget* {
        if (auto* browser = dynamic_cast<WebBrowser*>(&control)) {
            return new WebBrowserWidget(*browser, parent);
        }
        return new QWidget(parent);
    };
}

} // namespace qv::forms::qt
