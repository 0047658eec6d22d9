#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QString>
#include <QStringList>

namespace qv::platform::qt {

/// The entry point `symbol` of one of the program's own modules, looked for in `fileName` in the
/// program's folder `programFolder` (as installed), then at `builtPath` (where the build put it);
/// null when neither loads or has it. A module that loads stays loaded. Needs no application, so
/// it may run on any thread.
inline QFunctionPointer ModuleEntryIn(const QString& programFolder, const QString& fileName,
                                      const QString& builtPath, const char* symbol) {
    const QStringList candidates{QDir(programFolder).filePath(fileName), builtPath};
    for (const QString& path : candidates) {
        QLibrary module(path);
        if (const QFunctionPointer entry = module.resolve(symbol)) {
            return entry;
        }
    }
    return nullptr;
}

/// `ModuleEntryIn` the folder of the running application.
inline QFunctionPointer ModuleEntry(const QString& fileName, const QString& builtPath,
                                    const char* symbol) {
    return ModuleEntryIn(QCoreApplication::applicationDirPath(), fileName, builtPath, symbol);
}

} // namespace qv::platform::qt
