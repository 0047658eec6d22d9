#include "support/file_wait.h"

#include <QEventLoop>
#include <QFileSystemWatcher>
#include <QTimer>

namespace qv::test {

bool waitForFiles(const QStringList& paths, const std::function<bool()>& done, int timeoutMs) {
    QFileSystemWatcher watcher(paths);
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&watcher, &QFileSystemWatcher::fileChanged, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    // Checked once the files are watched, so a change just before is not missed.
    if (done()) {
        return true;
    }
    deadline.start(timeoutMs);
    loop.exec();
    return done();
}

} // namespace qv::test
