#pragma once

#include <QUrl>

#include <functional>

class QWidget;

// What the web engine module offers the renderer. The module alone links the web engine, and
// the renderer loads it when the first web view is shown, so the program starts without it.

namespace qv::forms::qt {

/// A web engine view made by the module, a child of the widget it was made for.
class EngineView {
public:
    EngineView(const EngineView&) = delete;
    EngineView& operator=(const EngineView&) = delete;
    virtual ~EngineView() = default;

    [[nodiscard]] virtual QWidget& widget() = 0;
    virtual void load(const QUrl& url) = 0;

protected:
    EngineView() = default;
};

struct EngineViewEvents {
    /// A load ended, well or not.
    std::function<void(bool ok)> loadFinished;
    /// Whether a context menu asked for on the page may open.
    std::function<bool()> contextMenu;
};

/// The module's entry point, exported under the name `kCreateEngineViewSymbol`.
using CreateEngineView = EngineView* (*)(QWidget* parent, EngineViewEvents events);
inline constexpr char kCreateEngineViewSymbol[] = "qvCreateEngineView";

/// Sets up the graphics context the engine's views share, unless the application made one as it
/// started; run once, before the first view is made. Exported as `kShareGraphicsContextSymbol`.
using ShareGraphicsContext = void (*)();
inline constexpr char kShareGraphicsContextSymbol[] = "qvShareGraphicsContext";

} // namespace qv::forms::qt
