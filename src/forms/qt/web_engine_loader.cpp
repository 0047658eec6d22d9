#include "forms/qt/web_engine_loader.h"

#include "platform/qt/module_entry.h"

#include <QCoreApplication>

#include <unistd.h>

namespace qv::forms::qt {

using namespace Qt::StringLiterals;

namespace {

QFunctionPointer moduleEntry(const char* symbol) {
    return platform::qt::ModuleEntry(u"libqv_webengine.so"_s, QStringLiteral(QV_WEBENGINE_MODULE),
                                     symbol);
}

QtMessageHandler outerHandler = nullptr;

// Qt warns that context sharing should be asked for before the application exists. The engine
// supports asking later (its own set-up does), and making a graphics context at start would cost
// every start for the few that show a web view; so that one warning is expected here.
void withoutLateSharingWarning(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
    if (type == QtWarningMsg && message.contains(u"AA_ShareOpenGLContexts"_s)) {
        return;
    }
    outerHandler(type, context, message);
}

CreateEngineView resolve() {
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    outerHandler = qInstallMessageHandler(withoutLateSharingWarning);
    // The engine checks, as it loads, that the program asked for its views to share one graphics
    // context; the module then makes that context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    const auto share =
        reinterpret_cast<ShareGraphicsContext>(moduleEntry(kShareGraphicsContextSymbol));
    if (share != nullptr) {
        share();
    }
    qInstallMessageHandler(outerHandler);
    return reinterpret_cast<CreateEngineView>(moduleEntry(kCreateEngineViewSymbol));
}

} // namespace

CreateEngineView loadWebEngine() {
    static const CreateEngineView create = resolve();
    return create;
}

} // namespace qv::forms::qt
