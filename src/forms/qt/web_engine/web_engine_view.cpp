#include "forms/qt/web_engine_module.h"

#include <QContextMenuEvent>
#include <QOpenGLContext>
#include <QWebEngineSettings>
#include <QWebEngineView>

// The web engine module: the only code that links the web engine.

namespace QtWebEngineCore {
/// The engine's own set-up of the graphics context its views share (exported by the engine, not
/// declared in its public headers).
Q_DECL_IMPORT void initialize();
} // namespace QtWebEngineCore

namespace qv::forms::qt {
namespace {

class WebEngineView final : public QWebEngineView, public EngineView {
public:
    WebEngineView(QWidget* parent, EngineViewEvents events)
        : QWebEngineView(parent), events_(std::move(events)) {
        // A page that fails is hidden by the game; the engine's own error page is not shown.
        settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
            if (events_.loadFinished) {
                events_.loadFinished(ok);
            }
        });
    }

    QWidget& widget() override { return *this; }
    void load(const QUrl& url) override { QWebEngineView::load(url); }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        if (events_.contextMenu && !events_.contextMenu()) {
            event->accept();
            return;
        }
        QWebEngineView::contextMenuEvent(event);
    }

private:
    EngineViewEvents events_;
};

} // namespace
} // namespace qv::forms::qt

extern "C" Q_DECL_EXPORT void qvShareGraphicsContext() {
    // The engine does this itself before the application exists when it is linked to the program;
    // loaded later, as it is here, it leaves the same call to the program.
    if (QOpenGLContext::globalShareContext() == nullptr) {
        QtWebEngineCore::initialize();
    }
}

extern "C" Q_DECL_EXPORT qv::forms::qt::EngineView*
qvCreateEngineView(QWidget* parent, qv::forms::qt::EngineViewEvents events) {
    return new qv::forms::qt::WebEngineView(parent, std::move(events));
}
