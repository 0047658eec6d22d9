#include "table/web_views.h"

#include "table/main_form.h"
#include "table/table_context.h"
#include "table/table_state.h"

namespace qv::table {

namespace {

/// The page's context-menu event, once its document is known: the menu never opens.
bool cancelContextMenu() {
    return false;
}

} // namespace

void wireWebViews(MainForm& form) {
    form.WebBrowser1.web.documentComplete = [&form](const QString&) {
        WebBrowser1_DocumentComplete(form);
    };
    form.WebBrowser1.web.downloadComplete = [&form] {
        WebBrowser1_DownloadComplete(form);
    };
    form.WebBrowser1.web.navigateError = [&form](const QString&, int) {
        WebBrowser1_NavigateError(form);
    };
    form.WebBrowser2.web.documentComplete = [&form](const QString&) {
        WebBrowser2_DocumentComplete(form);
    };
    form.WebBrowser2.web.downloadComplete = [&form] {
        WebBrowser2_DownloadComplete(form);
    };
    form.WebBrowser2.web.navigateError = [&form](const QString&, int) {
        WebBrowser2_NavigateError(form);
    };
}

void WebBrowser1_DocumentComplete(MainForm& form) {
    if (form.context().state.g_bBannerError) {
        return;
    }
    form.WebBrowser1.setTop(form.Bird.top() + 2);
    form.WebBrowser1.setLeft(form.Bird.left() + 2);
    form.WebBrowser1.setVisible(true);
    form.WebBrowser1.zOrder(0);
}

void WebBrowser1_DownloadComplete(MainForm& form) {
    form.WebBrowser1.web.contextMenu = cancelContextMenu;
}

void WebBrowser1_NavigateError(MainForm& form) {
    form.WebBrowser1.setVisible(false);
    form.context().state.g_bBannerError = true;
}

void WebBrowser2_DocumentComplete(MainForm& form) {
    if (form.context().state.g_bShufflePageError) {
        form.WebBrowser2.setVisible(false);
        return;
    }
    form.WebBrowser2.zOrder(0);
    form.WebBrowser2.setVisible(true);
}

void WebBrowser2_DownloadComplete(MainForm& form) {
    form.WebBrowser2.web.contextMenu = cancelContextMenu;
}

void WebBrowser2_NavigateError(MainForm& form) {
    form.WebBrowser2.setVisible(false);
    form.context().state.g_bShufflePageError = true;
}

} // namespace qv::table
