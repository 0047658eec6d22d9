#include "platform/qt/qt_desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

namespace qv::platform::qt {

QSize QtScreen::size() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize();
}

void QtMessageBox::show(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon,
                    title.isEmpty() ? QCoreApplication::applicationName() : title, text,
                    QMessageBox::Ok);
    box.exec();
}

QString QtAppFolder::path() const {
    return QCoreApplication::applicationDirPath();
}

QString QtAppFolder::cachePath() const {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

QtSingleInstance::QtSingleInstance(const QString& name)
    : lock_(QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
                .filePath(name + QStringLiteral(".lock"))) {
    // Only a lock whose owner has died is stale, however long the program runs.
    lock_.setStaleLockTime(0);
}

bool QtSingleInstance::previousInstance() {
    return !lock_.isLocked() && !lock_.tryLock(0);
}

bool QtShell::openPage(const QString& url) {
    return isWebAddress(url) && QDesktopServices::openUrl(QUrl(url));
}

bool QtShell::openFolder(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace qv::platform::qt
