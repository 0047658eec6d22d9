#pragma once

namespace qv::table {

class MainForm;

/// Gives the two web views their handlers: the banner `WebBrowser1` shows in `Bird`'s frame when
/// its page is complete, the seat-change page `WebBrowser2` in front; a view whose navigation
/// failed stays hidden for the rest of the run; neither page opens a context menu.
void wireWebViews(MainForm& form);

void WebBrowser1_DocumentComplete(MainForm& form);
void WebBrowser1_DownloadComplete(MainForm& form);
void WebBrowser1_NavigateError(MainForm& form);
void WebBrowser2_DocumentComplete(MainForm& form);
void WebBrowser2_DownloadComplete(MainForm& form);
void WebBrowser2_NavigateError(MainForm& form);

} // namespace qv::table
