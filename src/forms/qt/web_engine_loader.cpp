#include "forms/qt/web_engine_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <unistd.h>

namespace qv::forms::qt {

using namespace Qt::StringLiterals;

namespace {

CreateEngineView resolve() {
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    const QStringList candidates{
        QDir(QCoreApplication::applicationDirPath()).filePath(u"libqv_webengine.so"_s),
        QStringLiteral(QV_WEBENGINE_MODULE)};
    for (const QString& path : candidates) {
        QLibrary module(path);
        if (auto* create =
                reinterpret_cast<CreateEngineView>(module.resolve(kCreateEngineViewSymbol))) {
            return create;
        }
    }
    return nullptr;
}

} // namespace

CreateEngineView loadWebEngine() {
    static const CreateEngineView create = resolve();
    return create;
}

} // namespace qv::forms::qt
