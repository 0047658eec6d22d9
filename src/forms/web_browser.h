#pragma once

#include "forms/user_control.h"

#include <QUrl>

#include <functional>
#include <memory>

namespace qv::forms {

class WebBrowser;

/// What shows a web browser control's pages: a web engine view on the screen, a fake in tests.
/// It reports the end of every load to its control (`WebBrowser::pageLoaded`). The control and
/// its page forget each other when either goes.
class WebPage {
public:
    WebPage(const WebPage&) = delete;
    WebPage& operator=(const WebPage&) = delete;
    virtual ~WebPage();

    virtual void load(const QUrl& url) = 0;
    /// The control the page shows, or null.
    [[nodiscard]] WebBrowser* browser() const { return browser_; }

protected:
    WebPage() = default;

private:
    friend class WebBrowser;
    WebBrowser* browser_ = nullptr;
};

/// The handler slots of a web browser control beyond those of a control.
struct WebBrowserEvents {
    /// The page's document is complete; `url` is the address it was loaded from.
    std::function<void(const QString& url)> documentComplete;
    std::function<void()> downloadComplete;
    /// The navigation failed: no connection, an error status, or an address that is not http or
    /// https. `statusCode` is the HTTP status when there was one, else 0.
    std::function<void(const QString& url, int statusCode)> navigateError;
    /// The page's context-menu event; returning false cancels the menu. Without a handler the
    /// menu opens.
    std::function<bool()> contextMenu;
};

/// An embedded web view. Only http and https pages are loaded; any other address fails as a
/// navigation does, through the event queue. The page that shows it attaches when the view is
/// first shown, so a navigation made before waits for it.
class WebBrowser : public UserControl {
public:
    WebBrowser(Container& container, QString name);
    WebBrowser(Container& container, QString name, const ControlDesign& design);
    ~WebBrowser() override;

    void navigate(const QString& url);
    /// The address of the last accepted navigation.
    [[nodiscard]] const QUrl& locationUrl() const { return location_; }

    /// `page` shows the control's pages from now on instead of the one before (null: none does
    /// any longer); a navigation that was waiting for it is loaded at once.
    void attachPage(WebPage* page);
    [[nodiscard]] WebPage* page() const { return page_; }
    /// The page reports that the load of the current address ended.
    void pageLoaded(bool ok, int statusCode = 0);
    /// Whether a context menu asked for on the page may open.
    [[nodiscard]] bool contextMenuAllowed();

    /// Copies every property but Visible (a control array's new element).
    void copyPropertiesFrom(const WebBrowser& other) { copyControlPropertiesFrom(other); }

    WebBrowserEvents web;

private:
    friend class WebPage;
    WebPage* page_ = nullptr;
    QUrl location_;
    bool loadWaiting_ = false;
    /// Lets a queued event see that the control is gone.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

/// The kind name the renderer knows web browser controls by.
inline constexpr char16_t kWebBrowserKind[] = u"WebBrowser";

} // namespace qv::forms
