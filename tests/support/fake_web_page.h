#pragma once

#include "forms/web_browser.h"

#include <QUrl>

#include <vector>

namespace qv::test {

/// A web page for tests: records the addresses it is asked to load; the test ends each load
/// with `finish`.
class FakeWebPage : public forms::WebPage {
public:
    void load(const QUrl& url) override { loads.push_back(url); }
    /// The current load ends, well or not, as the engine would report it.
    void finish(bool ok) {
        if (forms::WebBrowser* shown = browser()) {
            shown->pageLoaded(ok);
        }
    }

    std::vector<QUrl> loads;
};

} // namespace qv::test
