#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QString>
#include <QStringList>

namespace qv::platform::qt {

/// The entry point `symbol` of one of the program's own modules, looked for in `fileName` beside
/// the program (as installed), then at `builtPath` (where the build put it); null when neither
/// loads or has it. A module that loads stays loaded.
inline QFunctionPointer ModuleEntry(const QString& fileName, const QString& builtPath,
                                    const char* symbol) {
    const QStringList candidates{QDir(QCoreApplication::applicationDirPath()).filePath(fileName),
                                 builtPath};
    for (const QString& path : candidates) {
        QLibrary module(path);
        if (const QFunctionPointer entry = module.resolve(symbol)) {
            return entry;
        }
    }
    return nullptr;
}

} // namespace qv::platform::qt
