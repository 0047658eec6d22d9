#include "forms/qt/web_engine_loader.h"

#include "platform/qt/module_entry.h"

#include <unistd.h>

namespace qv::forms::qt {

using namespace Qt::StringLiterals;

namespace {

CreateEngineView resolve() {
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    return reinterpret_cast<CreateEngineView>(platform::qt::ModuleEntry(
        u"libqv_webengine.so"_s, QStringLiteral(QV_WEBENGINE_MODULE), kCreateEngineViewSymbol));
}

} // namespace

CreateEngineView loadWebEngine() {
    static const CreateEngineView create = resolve();
    return create;
}

} // namespace qv::forms::qt
