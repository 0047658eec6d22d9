#pragma once

#include "forms/qt/form_widget.h"
#include "forms/web_browser.h"

#include <QWidget>

#include <memory>

namespace qv::forms::qt {

class EngineView;

/// The widget of a web browser control: empty until it is first shown, when it makes the web
/// engine view that shows the control's pages from then on.
class WebBrowserWidget : public QWidget, public WebPage {
    Q_OBJECT
public:
    WebBrowserWidget(WebBrowser& control, QWidget* parent);
    ~WebBrowserWidget() override;

    void load(const QUrl& url) override;
    /// The engine's view once made.
    [[nodiscard]] QWidget* engineWidget() const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void makeEngineView();

    WebBrowser* control_;
    std::unique_ptr<EngineView> view_;
    bool tried_ = false;
};

/// Gives web browser controls their widget: `registerWidgetFactory(kWebBrowserKind, ...)`.
[[nodiscard]] WidgetFactory webBrowserWidgetFactory();

} // namespace qv::forms::qt
